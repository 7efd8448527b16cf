// Paints Kestrel's built-in wallpapers (planets, flowers, stripes, abstracts) as full-screen
// portrait JPEGs. Everything is drawn from code with fixed seeds, so a run gives the same pictures.
//
//   kestrel-make-wallpapers OUT_DIR [NAME...]    writes OUT_DIR/<name>.jpg (all, or the named ones)
//
// The icons and small pictures are SVG written by tools/make-artwork.py.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <random>

namespace {

constexpr int Width = 828;
constexpr int Height = 1792;
constexpr qint64 MaxBytes = 240 * 1024;
constexpr double Pi = 3.14159265358979323846;

// ------------------------------------------------------------------ small maths

struct V3
{
    double x = 0, y = 0, z = 0;
    V3 operator+(V3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    V3 operator-(V3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    V3 operator*(double s) const { return {x * s, y * s, z * s}; }
    double dot(V3 o) const { return x * o.x + y * o.y + z * o.z; }
    double length() const { return std::sqrt(dot(*this)); }
    V3 normalized() const { const double l = length(); return l > 0 ? *this * (1 / l) : *this; }
};

struct Rgb
{
    double r = 0, g = 0, b = 0;
    Rgb operator+(Rgb o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(double s) const { return {r * s, g * s, b * s}; }
    Rgb operator*(Rgb o) const { return {r * o.r, g * o.g, b * o.b}; }
};

Rgb hex(unsigned v) { return {((v >> 16) & 0xff) / 255.0, ((v >> 8) & 0xff) / 255.0, (v & 0xff) / 255.0}; }
double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double smoothstep(double a, double b, double v) { const double t = clamp01((v - a) / (b - a)); return t * t * (3 - 2 * t); }
Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }
QRgb toPixel(Rgb c) { return qRgb(int(clamp01(c.r) * 255 + 0.5), int(clamp01(c.g) * 255 + 0.5), int(clamp01(c.b) * 255 + 0.5)); }
Rgb fromPixel(QRgb p) { return {qRed(p) / 255.0, qGreen(p) / 255.0, qBlue(p) / 255.0}; }
QColor qcolor(unsigned v, double alpha = 1) { QColor c(QRgb(0xff000000 | v)); c.setAlphaF(float(alpha)); return c; }

// Rotation about the x axis (tilt) then the y axis (spin).
V3 rotate(V3 p, double tilt, double spin)
{
    const double ct = std::cos(tilt), st = std::sin(tilt);
    p = {p.x, p.y * ct - p.z * st, p.y * st + p.z * ct};
    const double cs = std::cos(spin), ss = std::sin(spin);
    return {p.x * cs + p.z * ss, p.y, -p.x * ss + p.z * cs};
}

// ------------------------------------------------------------------ noise

double lattice(int x, int y, int z, uint32_t seed)
{
    uint32_t h = seed ^ (uint32_t(x) * 0x8da6b343u) ^ (uint32_t(y) * 0xd8163841u) ^ (uint32_t(z) * 0xcb1ab31fu);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0xffffff) * 2 - 1;
}

double valueNoise(V3 p, uint32_t seed)
{
    const int ix = int(std::floor(p.x)), iy = int(std::floor(p.y)), iz = int(std::floor(p.z));
    const double fx = p.x - ix, fy = p.y - iy, fz = p.z - iz;
    const double ux = fx * fx * (3 - 2 * fx), uy = fy * fy * (3 - 2 * fy), uz = fz * fz * (3 - 2 * fz);
    double v[2][2][2];
    for (int dz = 0; dz < 2; ++dz)
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                v[dz][dy][dx] = lattice(ix + dx, iy + dy, iz + dz, seed);
    const auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    return lerp(lerp(lerp(v[0][0][0], v[0][0][1], ux), lerp(v[0][1][0], v[0][1][1], ux), uy),
                lerp(lerp(v[1][0][0], v[1][0][1], ux), lerp(v[1][1][0], v[1][1][1], ux), uy), uz);
}

// Fractal sum of octaves, roughly in [-1, 1].
double fbm(V3 p, int octaves, uint32_t seed, double gain = 0.5)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(p, seed + uint32_t(i) * 101u) * amplitude;
        total += amplitude;
        amplitude *= gain;
        p = p * 2.03 + V3{17.1, -9.3, 4.7};
    }
    return sum / total;
}

// ------------------------------------------------------------------ image helpers

// Three box blurs approximate a Gaussian; used for soft focus and glows.
void blur(QImage &image, int radius)
{
    if (radius < 1)
        return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    std::vector<uint32_t> line(size_t(std::max(w, h)));
    const auto pass = [&](bool horizontal) {
        const int length = horizontal ? w : h, count = horizontal ? h : w;
        for (int i = 0; i < count; ++i) {
            const auto at = [&](int j) -> QRgb & {
                return horizontal ? reinterpret_cast<QRgb *>(image.scanLine(i))[j] : reinterpret_cast<QRgb *>(image.scanLine(j))[i];
            };
            for (int j = 0; j < length; ++j)
                line[size_t(j)] = at(j);
            long sa = 0, sr = 0, sg = 0, sb = 0;
            const auto add = [&](int j, int sign) {
                const QRgb p = line[size_t(std::clamp(j, 0, length - 1))];
                sa += sign * qAlpha(p); sr += sign * qRed(p); sg += sign * qGreen(p); sb += sign * qBlue(p);
            };
            for (int j = -radius; j <= radius; ++j)
                add(j, 1);
            const long n = 2 * radius + 1;
            for (int j = 0; j < length; ++j) {
                at(j) = qRgba(int(sr / n), int(sg / n), int(sb / n), int(sa / n));
                add(j + radius + 1, 1);
                add(j - radius, -1);
            }
        }
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
}

QImage canvas(QColor fill = Qt::black)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage layer() { return canvas(Qt::transparent); }

void verticalGradient(QImage &image, std::initializer_list<std::pair<double, QColor>> stops)
{
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, Height);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(image.rect(), g);
}

void stars(QImage &image, uint32_t seed, int count)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = u(rng) * Width, y = u(rng) * Height, b = std::pow(u(rng), 3);
        const double r = 0.5 + b * 1.4;
        QColor c = u(rng) < 0.2 ? QColor(200, 215, 255) : (u(rng) < 0.15 ? QColor(255, 230, 200) : QColor(255, 255, 255));
        c.setAlphaF(float(0.25 + 0.75 * b));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

// A lit globe: for every pixel of the disc, `surface` gets the outward normal in screen space
// (x right, y down, z towards the viewer) and returns the colour there. The rim is antialiased,
// and a thin atmosphere of `glow` colour surrounds it on the lit side.
void sphere(QImage &image, QPointF centre, double radius, const std::function<Rgb(V3)> &surface, V3 light, Rgb glow,
            double glowWidth)
{
    light = light.normalized();
    const int x0 = std::max(0, int(centre.x() - radius * (1 + glowWidth) - 2));
    const int x1 = std::min(Width - 1, int(centre.x() + radius * (1 + glowWidth) + 2));
    const int y0 = std::max(0, int(centre.y() - radius * (1 + glowWidth) - 2));
    const int y1 = std::min(Height - 1, int(centre.y() + radius * (1 + glowWidth) + 2));
    for (int y = y0; y <= y1; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - centre.x()) / radius, dy = (y + 0.5 - centre.y()) / radius;
            const double d = std::sqrt(dx * dx + dy * dy);
            Rgb colour = fromPixel(row[x]);
            // Atmosphere: bright at the limb, fading outwards, only where sunlight reaches it.
            if (glowWidth > 0 && d > 0.9) {
                const V3 rim = V3{dx, dy, 0.25}.normalized();
                const double lit = smoothstep(-0.35, 0.6, rim.dot(light));
                const double fall = d < 1 ? smoothstep(0.9, 1.0, d) : std::exp(-(d - 1) / (glowWidth * 0.35));
                colour = colour + glow * (fall * lit * 0.9);
            }
            const double coverage = clamp01((1 - d) * radius + 0.5);
            if (coverage > 0) {
                const double nz = std::sqrt(std::max(0.0, 1 - std::min(1.0, d * d)));
                const Rgb lit = surface(V3{dx, dy, nz});
                // Limb haze: the atmosphere seen edge-on near the rim.
                const double haze = glowWidth > 0 ? std::pow(1 - nz, 3) * 0.7 * smoothstep(-0.3, 0.5, V3{dx, dy, nz}.dot(light)) : 0;
                colour = mix(colour, mix(lit, glow, haze), coverage);
            }
            row[x] = toPixel(colour);
        }
    }
}

// ------------------------------------------------------------------ planets

struct EarthShape
{
    double tilt = 0.35, spin = 0.0;
    // Height above sea level in [-1, 1]; land where it is above 0.
    double elevation(V3 p) const
    {
        const V3 warp{fbm(p * 1.3, 3, 71), fbm(p * 1.3 + V3{5, 1, 3}, 3, 72), fbm(p * 1.3 + V3{2, 8, 1}, 3, 73)};
        return fbm(p * 1.5 + warp * 0.6, 7, 11) * 1.6 - 0.16;
    }
    double clouds(V3 p) const
    {
        const V3 warp{fbm(p * 2.0, 3, 81), fbm(p * 2.0 + V3{3, 7, 2}, 3, 82), 0};
        const double c = fbm(p * 3.0 + warp * 1.2, 6, 31);
        return smoothstep(0.02, 0.45, c) * 0.9;
    }
};

Rgb earthSurface(const EarthShape &shape, V3 n, V3 light)
{
    const V3 p = rotate(n, shape.tilt, shape.spin);
    const double h = shape.elevation(p);
    const double latitude = std::abs(p.y);
    Rgb ground;
    bool ocean = h < 0;
    if (ocean) {
        ground = mix(hex(0x0a2450), hex(0x1f6aa6), smoothstep(-0.35, 0.0, h));
    } else {
        const double dry = smoothstep(-0.2, 0.5, fbm(p * 2.2, 4, 41)) * smoothstep(0.55, 0.2, std::abs(latitude - 0.35));
        ground = mix(hex(0x3f6b2d), hex(0x2c4f22), smoothstep(0.0, 0.4, h));
        ground = mix(ground, hex(0xb39a62), dry * 0.85);
        ground = mix(ground, hex(0x7c6a50), smoothstep(0.35, 0.6, h));
    }
    const double ice = smoothstep(0.9, 0.94, latitude + fbm(p * 4, 3, 51) * 0.05);
    ground = mix(ground, hex(0xeef4fa), ice);
    const double cloud = shape.clouds(p);
    const double diffuse = std::max(0.0, n.dot(light));
    Rgb colour = mix(ground, hex(0xffffff), cloud) * (0.03 + 0.97 * diffuse);
    if (ocean && cloud < 0.5) {
        const V3 half = (light + V3{0, 0, 1}).normalized();
        colour = colour + hex(0xcfe3ff) * (std::pow(std::max(0.0, n.dot(half)), 60) * 0.45 * (1 - cloud));
    }
    return colour;
}

QImage earth()
{
    QImage image = canvas();
    stars(image, 7, 700);
    const V3 light{-0.55, -0.35, 0.76};
    EarthShape shape;
    shape.spin = 0.9;
    shape.tilt = 0.2;
    sphere(image, QPointF(Width * 0.5, Height * 0.56), Width * 0.44,
           [&](V3 n) { return earthSurface(shape, n, light.normalized()); }, light, hex(0x5aa8ff), 0.09);
    return image;
}

QImage earthNight()
{
    QImage image = canvas();
    stars(image, 13, 900);
    const V3 light = V3{0.85, -0.25, -0.62}.normalized(); // the sun is behind the planet's right edge
    EarthShape shape;
    shape.spin = 1.3;
    shape.tilt = 0.35;
    sphere(image, QPointF(Width * 0.42, Height * 0.86), Width * 0.98,
           [&](V3 n) {
               const V3 p = rotate(n, shape.tilt, shape.spin);
               const double h = shape.elevation(p);
               Rgb colour = h < 0 ? hex(0x02060f) : hex(0x06080b);
               if (h >= 0) {
                   // Cities crowd the coasts and thin out inland and near the poles.
                   const double coast = smoothstep(0.35, 0.0, h);
                   const double specks = smoothstep(0.05, 0.5, fbm(p * 140, 2, 61));
                   const double cities = smoothstep(-0.02, 0.42, fbm(p * 11, 4, 62));
                   const double polar = smoothstep(0.75, 0.55, std::abs(p.y));
                   const double crowd = std::pow(cities, 1.5) * (0.35 + 0.65 * coast) * polar;
                   const double lights = clamp01(specks * specks * crowd * 4.0);
                   colour = colour + hex(0xffa53d) * (crowd * 0.12) + hex(0xffc266) * lights + hex(0xfff4d6) * (std::pow(lights, 3) * 0.7);
               }
               const double cloud = shape.clouds(p);
               colour = mix(colour, hex(0x0c1320), cloud * 0.55);
               // Dawn creeping over the right limb.
               const double dawn = std::max(0.0, n.dot(light));
               colour = colour + mix(hex(0xff8a3a), hex(0x6fa8ff), smoothstep(0.0, 0.25, dawn)) * (smoothstep(0.0, 0.3, dawn) * 0.5);
               return colour;
           },
           light, hex(0x3f7fff), 0.05);
    return image;
}

struct Crater
{
    V3 centre;
    double radius; // angular, in radians
    double depth;
};

std::vector<Crater> craters(uint32_t seed, int count, double minRadius, double maxRadius)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<Crater> all;
    for (int i = 0; i < count; ++i) {
        const double z = u(rng) * 2 - 1, a = u(rng) * 2 * Pi, r = std::sqrt(1 - z * z);
        // Many small craters, few large ones.
        const double size = minRadius + (maxRadius - minRadius) * std::pow(u(rng), 3);
        all.push_back({{r * std::cos(a), z, r * std::sin(a)}, size, 0.5 + 0.5 * u(rng)});
    }
    return all;
}

// The surface normal bent by crater bowls and rims, and a darkening of their floors.
V3 crateredNormal(V3 n, V3 p, const std::vector<Crater> &all, double strength, double *floor)
{
    V3 bent = n;
    *floor = 0;
    for (const Crater &c : all) {
        const double cosine = p.dot(c.centre);
        if (cosine < std::cos(c.radius * 1.45))
            continue;
        const double d = std::acos(std::clamp(cosine, -1.0, 1.0)) / c.radius;
        // Bowl inside, raised rim just outside.
        const double slope = d < 1 ? 2 * d : (d < 1.45 ? -2.5 * (1.45 - d) / 0.45 : 0);
        V3 away = p - c.centre * cosine;
        if (away.length() < 1e-9)
            continue;
        away = away.normalized();
        bent = bent - away * (slope * c.depth * strength);
        if (d < 1)
            *floor += (1 - d * d) * c.depth * 0.12;
    }
    return bent.normalized();
}

QImage moon()
{
    QImage image = canvas();
    stars(image, 21, 500);
    const V3 light = V3{0.62, -0.28, 0.73}.normalized();
    const auto all = craters(5, 520, 0.01, 0.13);
    sphere(image, QPointF(Width * 0.5, Height * 0.55), Width * 0.42,
           [&](V3 n) {
               const V3 p = rotate(n, 0.2, 0.4);
               const double maria = smoothstep(-0.05, 0.2, fbm(p * 1.4, 5, 91));
               Rgb albedo = mix(hex(0xbdb9b2), hex(0x6e6c6a), maria * 0.8);
               albedo = albedo * (0.9 + 0.2 * fbm(p * 12, 4, 92));
               double floor = 0;
               // Normals are bent in body space (the craters live there), shading stays in screen space.
               const V3 bentBody = crateredNormal(p, p, all, 0.16, &floor);
               const V3 back = rotate(bentBody, 0, -0.4);
               const V3 bent = rotate(back, -0.2, 0);
               const double diffuse = std::max(0.0, bent.dot(light));
               return albedo * (1 - floor) * (0.02 + 1.05 * std::pow(diffuse, 0.85));
           },
           light, {}, 0);
    return image;
}

QImage mars()
{
    QImage image = canvas();
    stars(image, 33, 650);
    const V3 light = V3{-0.6, -0.25, 0.76}.normalized();
    const auto all = craters(9, 120, 0.01, 0.07);
    sphere(image, QPointF(Width * 0.5, Height * 0.55), Width * 0.43,
           [&](V3 n) {
               const V3 p = rotate(n, 0.3, 1.7);
               const double dark = smoothstep(-0.05, 0.3, fbm(p * 1.7 + V3{fbm(p * 3, 3, 95) * 0.5, 0, 0}, 6, 93));
               Rgb albedo = mix(hex(0xd0703c), hex(0x8a3b1f), dark * 0.85);
               albedo = mix(albedo, hex(0xe8a06a), smoothstep(0.3, 0.7, fbm(p * 5, 4, 94)) * 0.4);
               const double cap = smoothstep(0.86, 0.9, -p.y + fbm(p * 6, 3, 96) * 0.04);
               albedo = mix(albedo, hex(0xf4ece6), cap);
               double floor = 0;
               const V3 bentBody = crateredNormal(p, p, all, 0.08, &floor);
               const V3 bent = rotate(rotate(bentBody, 0, -1.7), -0.3, 0);
               const double diffuse = std::max(0.0, bent.dot(light));
               return albedo * (1 - floor) * (0.02 + 1.0 * diffuse);
           },
           light, hex(0xe09a78), 0.035);
    return image;
}

// ------------------------------------------------------------------ abstracts

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

// A soft ribbon across the screen between two wavy edges.
QPainterPath ribbon(double y, double thickness, double wave, double phase)
{
    QPainterPath path;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double x = -60 + (Width + 120) * i / double(steps);
        const double top = y + wave * std::sin(x / Width * 2.2 * Pi + phase) - x * 0.55;
        if (i == 0)
            path.moveTo(x, top);
        else
            path.lineTo(x, top);
    }
    for (int i = steps; i >= 0; --i) {
        const double x = -60 + (Width + 120) * i / double(steps);
        const double bottom = y + thickness + wave * 0.7 * std::sin(x / Width * 2.2 * Pi + phase + 0.9) - x * 0.55;
        path.lineTo(x, bottom);
    }
    path.closeSubpath();
    return path;
}

QImage defaultWallpaper()
{
    QImage image = canvas();
    verticalGradient(image, {{0, qcolor(0x0f1b4d)}, {0.5, qcolor(0x3b1a6e)}, {1, qcolor(0x12092b)}});
    QImage glow = layer();
    {
        QPainter p(&glow);
        p.setRenderHint(QPainter::Antialiasing);
        const struct { double y, thickness, wave, phase; unsigned from, to; double alpha; } bands[] = {
            {620, 360, 90, 0.0, 0x1fd1f9, 0x4f5bff, 0.55},
            {820, 300, 120, 1.3, 0xff4fa3, 0x8a3dff, 0.55},
            {1060, 380, 80, 2.4, 0xffa24f, 0xff3d77, 0.5},
            {1300, 260, 110, 3.1, 0x39f0c5, 0x2a7bff, 0.4},
        };
        for (const auto &b : bands) {
            QLinearGradient g(0, b.y - 400, Width, b.y + b.thickness);
            g.setColorAt(0, qcolor(b.from, b.alpha));
            g.setColorAt(1, qcolor(b.to, b.alpha));
            fillPath(p, ribbon(b.y, b.thickness, b.wave, b.phase), g);
        }
    }
    blur(glow, 26);
    QImage crisp = layer();
    {
        QPainter p(&crisp);
        p.setRenderHint(QPainter::Antialiasing);
        const struct { double y, thickness, wave, phase; unsigned colour; double alpha; } lines[] = {
            {760, 6, 100, 0.7, 0xffffff, 0.35}, {980, 4, 120, 1.9, 0xffd1ec, 0.3}, {1200, 5, 90, 2.8, 0xbff6ff, 0.3}};
        for (const auto &l : lines)
            fillPath(p, ribbon(l.y, l.thickness, l.wave, l.phase), qcolor(l.colour, l.alpha));
    }
    blur(crisp, 1);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(0, 0, glow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, crisp);
    return image;
}

QImage bokehWallpaper()
{
    QImage image = canvas();
    verticalGradient(image, {{0, qcolor(0x03454f)}, {0.55, qcolor(0x0b2a5a)}, {1, qcolor(0x1a0f3a)}});
    std::mt19937 rng(77);
    std::uniform_real_distribution<double> u(0, 1);
    const unsigned palette[] = {0x2ee6d6, 0x3d8bff, 0xff8a3d, 0xff4f9a, 0xffd23d, 0x8f5cff};
    QImage far = layer(), near = layer();
    {
        QPainter p(&far);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const double r = 90 + u(rng) * 170;
            p.setBrush(qcolor(palette[i % 6], 0.35 + 0.3 * u(rng)));
            p.drawEllipse(QPointF(u(rng) * Width, u(rng) * Height), r, r);
        }
    }
    blur(far, 40);
    {
        QPainter p(&near);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 34; ++i) {
            const double r = 24 + u(rng) * 70;
            const QPointF c(u(rng) * Width, u(rng) * Height);
            QRadialGradient g(c, r);
            const unsigned colour = palette[(i * 5) % 6];
            g.setColorAt(0, qcolor(colour, 0.18));
            g.setColorAt(0.85, qcolor(colour, 0.32));
            g.setColorAt(1, qcolor(colour, 0.5));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    blur(near, 2);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(0, 0, far);
    p.drawImage(0, 0, near);
    return image;
}

// ------------------------------------------------------------------ stripes

QImage stripes(std::initializer_list<unsigned> shades)
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(Width / 2.0, Height / 2.0);
    p.rotate(-32);
    const double span = std::hypot(Width, Height);
    std::vector<unsigned> list(shades);
    // Bands of unequal width, like cut paper, repeating across the diagonal.
    const double widths[] = {0.9, 1.4, 0.7, 1.1, 1.6, 0.8, 1.2};
    double total = 0;
    for (size_t i = 0; i < list.size(); ++i)
        total += widths[i % 7];
    double x = -span / 2;
    size_t i = 0;
    while (x < span / 2) {
        const double w = widths[i % 7] / total * span * 0.55;
        p.fillRect(QRectF(x, -span / 2, w + 1, span), qcolor(list[i % list.size()]));
        x += w;
        ++i;
    }
    p.resetTransform();
    // A faint light from the top keeps the flat bands from looking printed.
    QLinearGradient light(0, 0, Width, Height);
    light.setColorAt(0, QColor(255, 255, 255, 28));
    light.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(image.rect(), light);
    return image;
}

// ------------------------------------------------------------------ flowers

QPainterPath petal(double length, double width, double tip = 0.0)
{
    // Pointing up from the origin.
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(width, -length * 0.25, width * (0.9 - tip), -length * 0.8, 0, -length);
    path.cubicTo(-width * (0.9 - tip), -length * 0.8, -width, -length * 0.25, 0, 0);
    return path;
}

void backdrop(QImage &image, unsigned top, unsigned bottom, std::initializer_list<std::tuple<double, double, double, unsigned, double>> blobs, int softness)
{
    verticalGradient(image, {{0, qcolor(top)}, {1, qcolor(bottom)}});
    QImage soft = layer();
    {
        QPainter p(&soft);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (const auto &[x, y, r, colour, alpha] : blobs) {
            p.setBrush(qcolor(colour, alpha));
            p.drawEllipse(QPointF(x * Width, y * Height), r * Width, r * Width);
        }
    }
    blur(soft, softness);
    QPainter(&image).drawImage(0, 0, soft);
}

// Enlarges what is drawn next about a point, so a flower fills the screen.
void zoom(QPainter &p, QPointF about, double factor)
{
    p.translate(about);
    p.scale(factor, factor);
    p.translate(-about);
}

void leaf(QPainter &p, QPointF base, double angle, double length, double width, unsigned light, unsigned dark)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QLinearGradient g(-width, 0, width, 0);
    g.setColorAt(0, qcolor(dark));
    g.setColorAt(0.5, qcolor(light));
    g.setColorAt(1, qcolor(dark));
    fillPath(p, petal(length, width, 0.3), g);
    p.setPen(QPen(qcolor(dark, 0.6), 2));
    p.drawLine(QPointF(0, -4), QPointF(0, -length * 0.95));
    p.restore();
}

QImage aechmea()
{
    QImage image = canvas();
    backdrop(image, 0x10241a, 0x050b08, {{0.2, 0.2, 0.3, 0x2f6b4a, 0.5}, {0.85, 0.35, 0.25, 0x5a2f4f, 0.5}, {0.5, 0.95, 0.5, 0x1c3b2a, 0.7}}, 50);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF base(Width * 0.5, Height * 1.02);
    // Banded, silvery rosette leaves.
    for (int i = 0; i < 9; ++i) {
        const double angle = -70 + i * 17.5;
        leaf(p, base, angle, Height * (0.42 + 0.06 * std::sin(i * 1.7)), 78, 0x8fae9a, 0x3e5e4b);
        p.save();
        p.translate(base);
        p.rotate(angle);
        p.setPen(QPen(qcolor(0xe6f0e8, 0.35), 7));
        for (int band = 1; band < 8; ++band) {
            const double y = -Height * 0.05 * band;
            p.drawLine(QPointF(-60 + band * 5, y), QPointF(60 - band * 5, y - 10));
        }
        p.restore();
    }
    // The pink bract cone, built from spiky scales.
    const QPointF cone(Width * 0.5, Height * 0.45);
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(0, 1);
    for (int row = 0; row < 14; ++row) {
        const double y = cone.y() + row * 38;
        const double half = 50 + row * 13 - std::max(0, row - 10) * 18;
        const int count = 4 + row / 2;
        for (int k = 0; k < count; ++k) {
            const double x = cone.x() - half + 2 * half * (k + 0.5) / count;
            p.save();
            p.translate(x, y + 40);
            p.rotate((x - cone.x()) * 0.25 + (u(rng) - 0.5) * 14);
            QLinearGradient g(0, 0, 0, -90);
            g.setColorAt(0, qcolor(0xb0235f));
            g.setColorAt(0.6, qcolor(0xff5c9d));
            g.setColorAt(1, qcolor(0xffb3d1));
            QPainterPath scale;
            scale.moveTo(-26, 0);
            scale.quadTo(-14, -50, 0, -92);
            scale.quadTo(14, -50, 26, 0);
            scale.closeSubpath();
            fillPath(p, scale, g);
            p.restore();
            if (u(rng) < 0.45) {
                p.setPen(Qt::NoPen);
                p.setBrush(qcolor(0x6a5cff));
                p.drawEllipse(QPointF(x + 12, y + 18), 9, 9);
                p.setBrush(qcolor(0xb9b0ff));
                p.drawEllipse(QPointF(x + 10, y + 16), 3.5, 3.5);
            }
        }
    }
    return image;
}

QImage gloriosa()
{
    QImage image = canvas();
    backdrop(image, 0x1a0707, 0x050202, {{0.25, 0.25, 0.35, 0x5a1a10, 0.6}, {0.8, 0.75, 0.3, 0x3b2a08, 0.5}}, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(Width * 0.5, Height * 0.56);
    zoom(p, centre, 1.5);
    // Six wavy petals swept back and up, red with golden edges.
    for (int i = 0; i < 6; ++i) {
        const double angle = -150 + i * 60 + (i % 2) * 10;
        p.save();
        p.translate(centre);
        p.rotate(angle + 90);
        QPainterPath path;
        const double length = 360, width = 62;
        path.moveTo(0, 0);
        for (int s = 0; s <= 24; ++s) {
            const double t = s / 24.0;
            path.lineTo(width * std::sin(Pi * t) * (1 - 0.35 * t) + 10 * std::sin(t * 19), -length * t + 60 * t * t);
        }
        for (int s = 24; s >= 0; --s) {
            const double t = s / 24.0;
            path.lineTo(-width * std::sin(Pi * t) * (1 - 0.35 * t) + 10 * std::sin(t * 19 + 1.5), -length * t + 60 * t * t);
        }
        QLinearGradient g(0, 0, 0, -length);
        g.setColorAt(0, qcolor(0xffd23d));
        g.setColorAt(0.35, qcolor(0xff7a1a));
        g.setColorAt(0.6, qcolor(0xe3122f));
        g.setColorAt(1, qcolor(0xb0081f));
        fillPath(p, path, g);
        QPen edge(qcolor(0xffc93d, 0.85), 5);
        p.setPen(edge);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
    }
    // Long stamens spread like spokes, and the bent style.
    for (int i = 0; i < 6; ++i) {
        const double a = (i * 60 + 20) * Pi / 180;
        const QPointF tip(centre.x() + std::cos(a) * 250, centre.y() + std::sin(a) * 180 + 40);
        p.setPen(QPen(qcolor(0x9bbf3a), 5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath stalk;
        stalk.moveTo(centre);
        stalk.quadTo(QPointF((centre.x() + tip.x()) / 2, centre.y() + 70), tip);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stalk);
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0xd9a020));
        p.drawEllipse(tip, 20, 8);
    }
    p.setBrush(qcolor(0x7aa02a));
    p.drawEllipse(centre, 22, 22);
    return image;
}

QImage aquilegia()
{
    QImage image = canvas();
    backdrop(image, 0x1b2440, 0x0b0f1e, {{0.15, 0.2, 0.3, 0x4f6bb0, 0.5}, {0.9, 0.8, 0.35, 0x2f4f3a, 0.6}, {0.7, 0.15, 0.2, 0x8a6fc0, 0.35}}, 55);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Stem and a second, smaller bud.
    p.setPen(QPen(qcolor(0x4f7a3a), 10, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(Width * 0.5, Height * 1.02);
    stem.cubicTo(Width * 0.55, Height * 0.85, Width * 0.44, Height * 0.72, Width * 0.5, Height * 0.6);
    p.drawPath(stem);
    const QPointF centre(Width * 0.5, Height * 0.55);
    zoom(p, centre, 1.55);
    // Five spurs reaching back behind the flower.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 72 + 36);
        QPainterPath spur;
        spur.moveTo(-18, -60);
        spur.quadTo(-8, -250, 40, -300);
        spur.quadTo(10, -240, 18, -60);
        spur.closeSubpath();
        QLinearGradient g(0, -60, 0, -300);
        g.setColorAt(0, qcolor(0x6b3fc0));
        g.setColorAt(1, qcolor(0x3a1f7a));
        fillPath(p, spur, g);
        p.restore();
    }
    // Five pointed sepals.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 72);
        QLinearGradient g(0, 0, 0, -260);
        g.setColorAt(0, qcolor(0x8a5cf0));
        g.setColorAt(1, qcolor(0x5a34c8));
        fillPath(p, petal(260, 92, 0.1), g);
        p.setPen(QPen(qcolor(0xd9c9ff, 0.35), 2));
        p.drawLine(QPointF(0, -30), QPointF(0, -240));
        p.restore();
    }
    // Five white, rounded petal cups around the centre.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 72 + 36);
        QLinearGradient g(0, 0, 0, -130);
        g.setColorAt(0, qcolor(0xfff6d8));
        g.setColorAt(1, qcolor(0xffffff));
        QPainterPath cup;
        cup.moveTo(-40, -10);
        cup.cubicTo(-70, -90, -50, -135, 0, -135);
        cup.cubicTo(50, -135, 70, -90, 40, -10);
        cup.closeSubpath();
        fillPath(p, cup, g);
        p.setPen(QPen(qcolor(0xd8c9f0, 0.6), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cup);
        p.restore();
    }
    // Golden stamens.
    std::mt19937 rng(8);
    std::normal_distribution<double> n(0, 16);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(qcolor(i % 3 ? 0xffd23d : 0xffb000));
        p.drawEllipse(QPointF(centre.x() + n(rng), centre.y() + n(rng)), 6, 6);
    }
    return image;
}

QImage fritillaria()
{
    QImage image = canvas();
    backdrop(image, 0x1f2a14, 0x070a05, {{0.3, 0.3, 0.35, 0x4f6b2a, 0.5}, {0.8, 0.7, 0.3, 0x3a2f4f, 0.5}}, 50);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Grass-like leaves.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i)
        leaf(p, QPointF(Width * (0.15 + i * 0.12), Height * 1.03), -25 + i * 8, Height * (0.35 + 0.08 * (i % 3)), 16, 0x6f8f3a, 0x3a5a1f);
    const auto bell = [&](QPointF top, double scale, double tilt) {
        // Arching stem down to the nodding bell.
        p.setPen(QPen(qcolor(0x5a7a2f), 9 * scale, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem;
        stem.moveTo(top.x() - 190 * scale, Height * 1.02);
        stem.cubicTo(top.x() - 230 * scale, top.y() - 260 * scale, top.x() - 20 * scale, top.y() - 220 * scale, top.x(), top.y());
        p.drawPath(stem);
        p.save();
        p.translate(top);
        p.rotate(tilt);
        p.scale(scale, scale);
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(120, 10, 150, 150, 120, 330);
        shape.quadTo(60, 350, 0, 345);
        shape.quadTo(-60, 350, -120, 330);
        shape.cubicTo(-150, 150, -120, 10, 0, 0);
        p.setClipPath(shape);
        p.fillPath(shape, qcolor(0x7a2a6a));
        // The chequered pattern that gives the flower its name.
        for (int row = 0; row < 16; ++row) {
            for (int col = -8; col < 8; ++col) {
                if ((row + col) % 2)
                    continue;
                QPainterPath cell;
                const double x = col * 26 + row * 4, y = row * 24;
                cell.moveTo(x, y);
                cell.lineTo(x + 26, y + 4);
                cell.lineTo(x + 24, y + 28);
                cell.lineTo(x - 2, y + 24);
                cell.closeSubpath();
                fillPath(p, cell, qcolor(0xd9a6d0, 0.85));
            }
        }
        QLinearGradient shade(-150, 0, 150, 0);
        shade.setColorAt(0, QColor(0, 0, 0, 150));
        shade.setColorAt(0.4, QColor(255, 255, 255, 30));
        shade.setColorAt(1, QColor(0, 0, 0, 170));
        p.fillPath(shape, shade);
        p.setClipping(false);
        p.restore();
    };
    bell(QPointF(Width * 0.42, Height * 0.42), 1.15, 12);
    bell(QPointF(Width * 0.8, Height * 0.62), 0.7, -8);
    return image;
}

QImage muscari()
{
    QImage image = canvas();
    backdrop(image, 0x1b2a3f, 0x060a12, {{0.2, 0.3, 0.3, 0x2f4f8a, 0.5}, {0.85, 0.6, 0.3, 0x3a5a2a, 0.6}, {0.5, 0.9, 0.4, 0x1f3a1a, 0.6}}, 55);
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> u(0, 1);
    const auto spike = [&](QPainter &p, double x, double top, double height, double scale) {
        p.setPen(QPen(qcolor(0x4f7a2f), 12 * scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, Height * 1.02), QPointF(x, top + height * 0.5));
        p.setPen(Qt::NoPen);
        // A cone of nodding bells, small pale buds at the tip, open deep-blue bells at the base;
        // drawn top down so the lower, nearer bells overlap the ones above.
        const int rows = 18;
        for (int r = 0; r < rows; ++r) {
            const double t = r / double(rows - 1);
            const double y = top + height * t;
            const double half = (22 + 95 * std::pow(t, 0.7)) * scale;
            const int count = 2 + int(5 * t);
            for (int k = 0; k < count; ++k) {
                const double across = (k + 0.5 + (u(rng) - 0.5) * 0.5) / count * 2 - 1; // -1 .. 1
                const double bx = x + half * across;
                const double rx = (15 + 16 * t) * scale, ry = (19 + 19 * t) * scale;
                const double edge = 1 - 0.45 * across * across; // rounder cone: darker at the sides
                const Rgb tipColour = mix(hex(0xa9b8ff), hex(0x5a5ae0), smoothstep(0.0, 0.35, t));
                const Rgb bellLight = mix(tipColour, hex(0x4a4ad6), smoothstep(0.3, 1.0, t)) * edge;
                const Rgb bellDark = bellLight * 0.45;
                QRadialGradient g(QPointF(bx - rx * 0.35, y - ry * 0.4), ry * 1.4);
                g.setColorAt(0, QColor::fromRgb(toPixel(bellLight)));
                g.setColorAt(1, QColor::fromRgb(toPixel(bellDark)));
                p.setBrush(g);
                QPainterPath bell;
                bell.moveTo(bx - rx * 0.55, y - ry);
                bell.cubicTo(bx - rx * 1.2, y - ry * 0.6, bx - rx * 1.1, y + ry * 0.7, bx - rx * 0.55, y + ry * 0.85);
                bell.lineTo(bx + rx * 0.55, y + ry * 0.85);
                bell.cubicTo(bx + rx * 1.1, y + ry * 0.7, bx + rx * 1.2, y - ry * 0.6, bx + rx * 0.55, y - ry);
                bell.closeSubpath();
                p.drawPath(bell);
                if (t > 0.45) {
                    p.setBrush(qcolor(0xe8ecff, 0.8 * edge));
                    p.drawEllipse(QPointF(bx, y + ry * 0.85), rx * 0.5, ry * 0.12);
                }
            }
        }
    };
    QImage far = layer();
    {
        QPainter p(&far);
        p.setRenderHint(QPainter::Antialiasing);
        spike(p, Width * 0.18, Height * 0.5, 420, 0.7);
        spike(p, Width * 0.84, Height * 0.42, 460, 0.75);
    }
    blur(far, 9);
    QPainter(&image).drawImage(0, 0, far);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i)
        leaf(p, QPointF(Width * (0.3 + i * 0.1), Height * 1.03), -20 + i * 10, Height * 0.4, 22, 0x5f8f3a, 0x2f5a1f);
    spike(p, Width * 0.5, Height * 0.3, 720, 1.2);
    return image;
}

QImage helleborus()
{
    QImage image = canvas();
    backdrop(image, 0x1a1f16, 0x080a07, {{0.2, 0.75, 0.35, 0x3a4f2a, 0.6}, {0.85, 0.2, 0.3, 0x4f2a3f, 0.5}}, 55);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 4; ++i)
        leaf(p, QPointF(Width * 0.5, Height * 1.02), -60 + i * 40, Height * 0.36, 90, 0x4f7a3a, 0x24401a);
    const QPointF centre(Width * 0.5, Height * 0.55);
    zoom(p, centre, 1.25);
    std::mt19937 rng(12);
    std::uniform_real_distribution<double> u(0, 1);
    // Five broad, overlapping petals, pale at the rim and plum towards the heart, with freckles.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 72 + 8);
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(190, -40, 190, -300, 0, -320);
        shape.cubicTo(-190, -300, -190, -40, 0, 0);
        QRadialGradient g(QPointF(0, 0), 330);
        g.setColorAt(0, qcolor(0x6a1f4a));
        g.setColorAt(0.45, qcolor(0xc0648f));
        g.setColorAt(0.85, qcolor(0xf2d6e2));
        g.setColorAt(1, qcolor(0xf7e8ee));
        fillPath(p, shape, g);
        p.setPen(QPen(qcolor(0x6a1f4a, 0.25), 2));
        for (int v = -2; v <= 2; ++v)
            p.drawLine(QPointF(0, -20), QPointF(v * 45, -280 + std::abs(v) * 30));
        p.setPen(Qt::NoPen);
        for (int s = 0; s < 40; ++s) {
            const double r = 40 + u(rng) * 150, a = (u(rng) - 0.5) * 1.1;
            p.setBrush(qcolor(0x5a1038, 0.7));
            p.drawEllipse(QPointF(std::sin(a) * r, -std::cos(a) * r), 3.5, 4.5);
        }
        p.restore();
    }
    // Green nectaries, then a crown of pale stamens around the carpels.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * Pi / 14;
        p.setBrush(qcolor(0x9fc25a));
        p.drawEllipse(QPointF(centre.x() + std::cos(a) * 62, centre.y() + std::sin(a) * 62), 13, 13);
    }
    for (int i = 0; i < 70; ++i) {
        const double a = u(rng) * 2 * Pi, r = 18 + u(rng) * 38;
        const QPointF tip(centre.x() + std::cos(a) * r, centre.y() + std::sin(a) * r);
        p.setPen(QPen(qcolor(0xf2ecc8, 0.9), 2));
        p.drawLine(centre, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(0xfff1a6));
        p.drawEllipse(tip, 4.5, 4.5);
    }
    p.setBrush(qcolor(0x7aa04a));
    p.drawEllipse(centre, 14, 14);
    return image;
}

QImage black() { return canvas(); }

// ------------------------------------------------------------------ output

// Best JPEG quality that keeps the file within the bundle's size budget.
bool writeJpeg(const QImage &image, const QString &file)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int quality = 94; quality >= 40; quality -= 4) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!rgb.save(&buffer, "JPEG", quality))
                return false;
        }
        if (bytes.size() <= MaxBytes || quality <= 44) {
            QFile out(file);
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
                return false;
            std::printf("%s: quality %d, %lld KB\n", qPrintable(file), quality, static_cast<long long>(bytes.size() / 1024));
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kestrel-make-wallpapers OUT_DIR [NAME...]\n");
        return 2;
    }
    const std::map<QString, std::function<QImage()>> painters = {
        {QStringLiteral("Earth"), earth},
        {QStringLiteral("Moon"), moon},
        {QStringLiteral("EarthNight"), earthNight},
        {QStringLiteral("Wallpaper"), defaultWallpaper},
        {QStringLiteral("iOS10Wallpaper"), bokehWallpaper},
        {QStringLiteral("Mars"), mars},
        {QStringLiteral("Flower_Aechmea"), aechmea},
        {QStringLiteral("Flower_Gloriosa"), gloriosa},
        {QStringLiteral("Flower_Aquilegia"), aquilegia},
        {QStringLiteral("Flower_Fritillaria"), fritillaria},
        {QStringLiteral("Flower_Muscari"), muscari},
        {QStringLiteral("Flower_Helleborus"), helleborus},
        {QStringLiteral("Stripe_Green"), [] { return stripes({0xb8e986, 0x7ed321, 0x4caf50, 0x2e8b57, 0x9be15d, 0x1f6e43, 0x5cc76b}); }},
        {QStringLiteral("Stripe_Yellow"), [] { return stripes({0xfff3a0, 0xffe14d, 0xffcc00, 0xf5b700, 0xffeb7a, 0xe0a800, 0xffd633}); }},
        {QStringLiteral("Stripe_Orange"), [] { return stripes({0xffc48a, 0xff9f43, 0xff7f11, 0xe8650a, 0xffb067, 0xc9540a, 0xff8f2a}); }},
        {QStringLiteral("Stripe_Red"), [] { return stripes({0xff8a8a, 0xff4d4d, 0xe52b2b, 0xc21d2d, 0xff6b6b, 0x9e1322, 0xf0383f}); }},
        {QStringLiteral("Stripe_Purple"), [] { return stripes({0xd7b3ff, 0xb57bff, 0x9b51e0, 0x7b2fc0, 0xc896ff, 0x5e1f9a, 0xa86bf0}); }},
        {QStringLiteral("Stripe_Blue"), [] { return stripes({0x9fd3ff, 0x5ab0ff, 0x2d8cf0, 0x1667c9, 0x7cc2ff, 0x0d4a9a, 0x3f9cff}); }},
        {QStringLiteral("Stripe_Black"), [] { return stripes({0x3a3a3c, 0x2a2a2c, 0x1c1c1e, 0x0f0f10, 0x48484a, 0x050506, 0x242426}); }},
        {QStringLiteral("Black"), black},
    };
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    const QStringList wanted = args.mid(2);
    for (const QString &name : wanted) {
        if (!painters.count(name)) {
            std::fprintf(stderr, "no wallpaper named %s\n", qPrintable(name));
            return 2;
        }
    }
    for (const auto &[name, paint] : painters) {
        if (!wanted.isEmpty() && !wanted.contains(name))
            continue;
        if (!writeJpeg(paint(), out.filePath(name + QStringLiteral(".jpg")))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
