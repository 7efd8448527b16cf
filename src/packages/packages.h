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

    QString PackageName() const { return m_texts[int(Text::PackageName)]; }
    QString PackageID() const { return m_texts[int(Text::PackageID)]; }
    QString Category() const { return m_texts[int(Text::Category)]; }
    QString PackageVersion() const { return m_texts[int(Text::PackageVersion)]; }
    std::optional<QString> AppIcon() const { return optionalText(Text::AppIcon); }
    std::optional<QString> AuthorEmail() const { return optionalText(Text::AuthorEmail); }
    std::optional<QString> ContactEmail() const { return optionalText(Text::ContactEmail); }
    std::optional<QString> Website() const { return optionalText(Text::Website); }
    std::optional<QString> Description() const { return optionalText(Text::Description); }

    void setText(Text which, QString text)
    {
        m_texts[int(which)] = std::move(text);
        m_present |= 1u << int(which);
    }
    bool hasText(Text which) const { return m_present & (1u << int(which)); }

private:
    std::optional<QString> optionalText(Text which) const
    {
        return hasText(which) ? std::optional<QString>(m_texts[int(which)]) : std::nullopt;
    }

    // An empty text and an absent one differ, hence the mark of which were set.
    QString m_texts[TextCount];
    unsigned m_present = 0;
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
