#include "catalogue/skin_tones.h"

#include "integration/data_folders.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <array>

namespace {

const char* const kToneKeys[kSkinToneCount] = {"none",   "light",       "medium-light",
                                               "medium", "medium-dark", "dark"};
// The first of the texts that name the tones, None's; the others follow in the tones' order.
constexpr int kFirstToneText = 351;

const QString kTonesFolder = QStringLiteral("tones");
const QString kPng = QStringLiteral(".png");

// "-medium-skin-tone", the end of a variant's stem; made once, as pages ask for every picture.
const QString& VariantEnding(SkinTone tone) {
    static const auto endings = [] {
        std::array<QString, kSkinToneCount> all;
        for (int i = 0; i < kSkinToneCount; ++i)
            all[i] = u'-' + QLatin1String(kToneKeys[i]) + QStringLiteral("-skin-tone");
        return all;
    }();
    return endings[static_cast<int>(tone)];
}

bool IsInside(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder, Qt::CaseInsensitive);
}

SkinTone& Chosen() {
    static SkinTone tone = SkinTone::None;
    return tone;
}

QString CatalogueFolder() {
    QString folder = QDir::cleanPath(CatalogueBaseFolder());
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString SkinToneKey(SkinTone tone) {
    return QString::fromLatin1(kToneKeys[static_cast<int>(tone)]);
}

SkinTone SkinToneFromKey(const QString& key) {
    for (int i = 0; i < kSkinToneCount; ++i) {
        if (key.trimmed().compare(QLatin1String(kToneKeys[i]), Qt::CaseInsensitive) == 0)
            return static_cast<SkinTone>(i);
    }
    return SkinTone::None;
}

SkinTone SkinToneFromIndex(int index) {
    return index >= 0 && index < kSkinToneCount ? static_cast<SkinTone>(index) : SkinTone::None;
}

QString SkinToneText(SkinTone tone) {
    return GetText(kFirstToneText + static_cast<int>(tone));
}

std::optional<TonedPictures::Variant> TonedPictures::VariantOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype folderSlash = slash > 0 ? path.lastIndexOf(u'/', slash - 1) : -1;
    if (folderSlash < 0 || !path.endsWith(kPng, Qt::CaseInsensitive) ||
        QStringView(path)
                .mid(folderSlash + 1, slash - folderSlash - 1)
                .compare(kTonesFolder, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QStringView stem = QStringView(path).mid(slash + 1, path.size() - slash - 1 - 4);
    // The longest ending first: "-light-skin-tone" also ends "…-medium-light-skin-tone".
    std::optional<Variant> found;
    qsizetype longest = 0;
    for (int i = 1; i < kSkinToneCount; ++i) {
        const auto tone = static_cast<SkinTone>(i);
        const QString& ending = VariantEnding(tone);
        if (ending.size() > longest && stem.size() > ending.size() &&
            stem.endsWith(ending, Qt::CaseInsensitive)) {
            longest = ending.size();
            found = Variant{path.left(folderSlash + 1) +
                                stem.left(stem.size() - ending.size()).toString() + kPng,
                            tone};
        }
    }
    return found;
}

QString TonedPictures::InTone(const QString& path, SkinTone tone, const QString& catalogueFolder) {
    if (!IsInside(path, catalogueFolder))
        return path;
    if (const std::optional<Variant> variant = VariantOf(path)) {
        if (variant->tone == tone)
            return path;
        if (tone == SkinTone::None)
            return QFileInfo::exists(variant->base) ? variant->base : path;
        const QString toned = InTone(variant->base, tone, catalogueFolder);
        // The base has no picture of that tone: shown as the base, as every other one is.
        return toned != variant->base || QFileInfo::exists(variant->base) ? toned : path;
    }
    if (tone == SkinTone::None || !path.endsWith(kPng, Qt::CaseInsensitive))
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash + 1) + kTonesFolder + u'/';
    const QString stem = path.mid(slash + 1, path.size() - slash - 1 - kPng.size());
    const QString variant = tonesFolders_.Find(folder, stem + VariantEnding(tone) + kPng);
    return variant.isEmpty() ? path : variant;
}

QString TonedPictures::InChosenTone(const QString& path) {
    if (catalogue_.isEmpty())
        catalogue_ = CatalogueFolder();
    return InTone(path, Chosen(), catalogue_);
}

void SetChosenSkinTone(SkinTone tone) {
    Chosen() = tone;
}

SkinTone ChosenSkinTone() {
    return Chosen();
}

QString PictureInChosenTone(const QString& path) {
    return TonedPictures().InChosenTone(path);
}

QStringList PicturesInChosenTone(const QStringList& paths) {
    TonedPictures pictures;
    QStringList toned;
    QSet<QString> seen;
    for (const QString& path : paths) {
        const QString picture = pictures.InChosenTone(path);
        if (!seen.contains(picture)) {
            seen.insert(picture);
            toned.append(picture);
        }
    }
    return toned;
}

QString UntonedPicture(const QString& path) {
    return TonedPictures().InTone(path, SkinTone::None, CatalogueFolder());
}
