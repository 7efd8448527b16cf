// Decoding a repository of 10,000 packages (the strict decoder with fresh ids) against a bare
// QJsonDocument parse of the same bytes, both as a plain document is decoded and through the full
// parse that unusual documents take, and the longest the GUI thread goes without running
// its event loop while the same document is fetched and decoded.
#include "loadappsfunc.h"
#include "loopbackserver.h"
#include "packages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Packages10k = 10000;
constexpr int Runs = 21;

QByteArray repository(int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i) {
        QJsonObject package{{"PackageName", QStringLiteral("Package %1").arg(i)},
                            {"PackageID", QStringLiteral("org.example.package%1").arg(i)},
                            {"Category", i % 3 ? QStringLiteral("Tweaks") : QStringLiteral("Themes")},
                            {"PackageVersion", QStringLiteral("1.%1").arg(i % 17)}};
        // Two in three carry every optional member, as a maintained repository does.
        if (i % 3 != 2) {
            package.insert("AppIcon", QStringLiteral("https://icons.example/%1.png").arg(i));
            package.insert("AuthorEmail", QStringLiteral("author%1@example.org").arg(i % 50));
            package.insert("ContactEmail", QStringLiteral("help@example.org"));
            package.insert("Website", QStringLiteral("https://example.org/p/%1").arg(i));
            package.insert("Description", QStringLiteral("Package number %1, which changes the dock in a small way "
                                                         "that somebody once asked for.").arg(i));
            package.insert("DockOpacity", i % 2);
        }
        array.append(package);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

template <typename F>
double timeMs(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray document = repository(Packages10k);

    // Bare parse and decoding alternate, so a busy machine slows both alike; the ratio is the
    // median of the per-pair ratios, the times the fastest of each.
    qsizetype sink = 0;
    std::vector<double> ratios, fullRatios;
    double bare = 1e9, decoded = 1e9, full = 1e9;
    for (int run = 0; run < Runs; ++run) {
        const double b = timeMs([&] { sink += QJsonDocument::fromJson(document).array().size(); });
        const double d = timeMs([&] { sink += decodePackages(document)->size(); });
        const double f = timeMs([&] { sink += decodePackagesFromDocument(document)->size(); });
        ratios.push_back(d / b);
        fullRatios.push_back(f / b);
        bare = std::min(bare, b);
        decoded = std::min(decoded, d);
        full = std::min(full, f);
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(fullRatios.begin(), fullRatios.end());
    std::printf("repository of %d packages, %.1f MiB\n", Packages10k, double(document.size()) / (1 << 20));
    std::printf("bare QJsonDocument parse: %.2f ms (fastest of %d)\n", bare, Runs);
    std::printf("strict decoding:          %.2f ms (fastest of %d)\n", decoded, Runs);
    std::printf("ratio: %.2fx median of %d pairs (goal <= 1.3x)\n", ratios[ratios.size() / 2], Runs);
    std::printf("through the full parse:   %.2f ms (fastest of %d), %.2fx median\n", full, Runs,
                fullRatios[fullRatios.size() / 2]);

    // The fetch: served on loopback, decoded on a worker; a 1 ms timer on the GUI thread notes
    // the longest gap between its ticks until the completion arrives.
    LoopbackServer server;
    if (!server.start())
        return 1;
    server.route("/big.json", LoopbackServer::Response{200, document, {}, 0, false, false});
    QNetworkAccessManager network;
    qint64 longestGap = 0;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
    });
    int delivered = -1;
    // The diagnostic dump of 10,000 packages would flood the terminal; it goes to /dev/null here.
    std::fflush(stdout);
    const int terminal = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    clock.start();
    ticker.start();
    LoadAppsFunc::fetch(&network, server.url("/big.json").toString(), &app, [&](const QList<Packages> &packages) {
        delivered = int(packages.size());
        app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 total = clock.nsecsElapsed();
    std::fflush(stdout);
    dup2(terminal, STDOUT_FILENO);
    close(null);
    close(terminal);
    std::printf("fetch of %d packages: %.1f ms end to end, longest GUI-thread stall %.1f ms (goal <= 16 ms)\n",
                 delivered, double(total) / 1e6, double(longestGap) / 1e6);
    return sink > 0 && delivered == Packages10k ? 0 : 1;
}
