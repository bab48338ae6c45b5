#pragma once
#include "catalogue/folder_names.h"
#include <QString>
#include <QStringList>
#include <optional>

// The skin tones that pictures of hands and people are shown and inserted in. None is the picture
// itself (the emoji's yellow); the others are the five tones of the emoji data, lightest first.
enum class SkinTone { None, Light, MediumLight, Medium, MediumDark, Dark };
constexpr int kSkinToneCount = 6;

// The tone's word in the settings file: "none", "light", "medium-light", "medium", "medium-dark",
// "dark".
QString SkinToneKey(SkinTone tone);
// The tone that a word of the settings file names (any letter case); None for anything else.
SkinTone SkinToneFromKey(const QString& key);
// The tone of a number 0 to 5 (the order above); None for any other number.
SkinTone SkinToneFromIndex(int index);
// The tone's name in the interface language ("Medium skin tone").
QString SkinToneText(SkinTone tone);

// The shipped catalogue keeps the tones of a picture `<folder>/<stem>.png` that has them as
// `<folder>/tones/<stem>-<word>-skin-tone.png`, one picture for each tone but None. An object
// lists each folder's `tones/` once, when first asked, so that a page of thousands of pictures
// costs one listing per folder, not a status call per picture; make one for each page.
class TonedPictures {
public:
    // The picture that the tone variant at `path` was made from, and its tone.
    struct Variant {
        QString base;
        SkinTone tone = SkinTone::None;
    };
    // Nullopt when `path` does not name a tone variant (by its place and name only).
    static std::optional<Variant> VariantOf(const QString& path);

    // The picture of `path` in `tone`: a picture with a variant of that tone gives the variant, a
    // variant gives its base's picture in that tone (the base itself for None). Pictures outside
    // `catalogueFolder` (the user's own, the favourites) and pictures without that tone stay as
    // they are.
    QString InTone(const QString& path, SkinTone tone, const QString& catalogueFolder);
    // The same for the chosen tone (ChosenSkinTone) and the shipped catalogue.
    QString InChosenTone(const QString& path);

private:
    FolderNames tonesFolders_;
    QString catalogue_; // the shipped catalogue's folder, once asked for
};

// The tone that pages show and clicks insert, for the whole program; None until it is set.
void SetChosenSkinTone(SkinTone tone);
SkinTone ChosenSkinTone();
// The picture of `path` in the chosen tone, for the shipped catalogue (CatalogueBaseFolder()).
QString PictureInChosenTone(const QString& path);
// The pictures in the chosen tone, in their order; a picture that two entries come to (two tones
// of one emoji) is kept once, in the first one's place.
QStringList PicturesInChosenTone(const QStringList& paths);
// The picture that a catalogue picture was toned from (itself when it is no variant): the one to
// remember, so that it comes back in whatever tone is chosen then.
QString UntonedPicture(const QString& path);
