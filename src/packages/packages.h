#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// One package of a repository document. The id is made fresh for every decoded package (an "id"
// member in the document means nothing); optional members are absent when missing or null.
class Packages
{
public:
    QUuid id;
    std::optional<qint64> DockOpacity;

    // The text members, in the order of the document format; the first four are required.
    enum class Text : quint8 { PackageName, PackageID, Category, PackageVersion, AppIcon, AuthorEmail,
                               ContactEmail, Website, Description };
    static constexpr int TextCount = 9;

    QString PackageName() const { return text(Text::PackageName); }
    QString PackageID() const { return text(Text::PackageID); }
    QString Category() const { return text(Text::Category); }
    QString PackageVersion() const { return text(Text::PackageVersion); }
    std::optional<QString> AppIcon() const { return optionalText(Text::AppIcon); }
    std::optional<QString> AuthorEmail() const { return optionalText(Text::AuthorEmail); }
    std::optional<QString> ContactEmail() const { return optionalText(Text::ContactEmail); }
    std::optional<QString> Website() const { return optionalText(Text::Website); }
    std::optional<QString> Description() const { return optionalText(Text::Description); }

    bool hasText(Text which) const { return m_spans[int(which)].size >= 0; }

    // For the decoders. The texts of a document's packages are kept in one string they share,
    // each package knowing where its own stand: ten thousand packages then cost one allocation
    // rather than seventy thousand, to make and to free.
    void setText(Text which, qsizetype start, qsizetype size) { m_spans[int(which)] = {start, size}; }
    void shareTexts(const QString &texts) { m_texts = texts; }

private:
    QString text(Text which) const
    {
        const Span span = m_spans[int(which)];
        return span.size >= 0 ? m_texts.mid(span.start, span.size) : QString();
    }
    std::optional<QString> optionalText(Text which) const
    {
        return hasText(which) ? std::optional<QString>(text(which)) : std::nullopt;
    }

    // An absent text has no size; an empty one is present.
    struct Span
    {
        qsizetype start = 0;
        qsizetype size = -1;
    };
    QString m_texts;
    Span m_spans[TextCount];
};

// Decodes a repository document: a JSON array of package objects, strictly. The four required
// members must be strings, optional ones strings (or null), "DockOpacity" a whole number; one
// package that breaks this fails the whole document. Members not listed are ignored. Safe to
// call on any thread.
std::optional<QList<Packages>> decodePackages(const QByteArray &json);

// The same decoding through a full QJsonDocument parse. decodePackages reads plain documents
// straight from their bytes and leaves everything else, refusals included, to this one.
std::optional<QList<Packages>> decodePackagesFromDocument(const QByteArray &json);

// Reads a repository document straight from its bytes, as decodePackagesFromDocument would,
// when it keeps to plain JSON: no byte-order mark, no raw control characters, well-formed UTF-8,
// unescaped member names, shallow nesting, ordinary numbers, no repeated listed member and a
// DockOpacity written as an integer. Anything else, and any document that fails, gives nothing,
// and the full parse decides.
std::optional<QList<Packages>> readPlainPackages(QByteArrayView json);

// A fresh version-4 id, as every decoded package gets.
QUuid freshPackageId();

// The decoded list as one line of text, for the diagnostic log.
QString describePackages(const QList<Packages> &packages);
