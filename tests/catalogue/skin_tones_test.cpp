#include "catalogue/skin_tones.h"
#include "integration/data_folders.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class SkinTonesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"hands/thumbs-up.png", "hands/ok-hand.png",
                                 "hands/tones/thumbs-up-light-skin-tone.png",
                                 "hands/tones/thumbs-up-medium-light-skin-tone.png",
                                 "hands/tones/thumbs-up-medium-skin-tone.png",
                                 "hands/tones/thumbs-up-dark-skin-tone.png", "animals/cat.png"})
            WriteFile(catalogue + QString::fromLatin1(name), "png");
        WriteFile(own + "thumbs-up.png", "png");
        WriteFile(own + "tones/thumbs-up-dark-skin-tone.png", "png");
    }
    void TearDown() override { SetChosenSkinTone(SkinTone::None); }

    QString InTone(const QString& name, SkinTone tone, const QString& folder = QString()) {
        return pictures.InTone((folder.isEmpty() ? catalogue : folder) + name, tone, catalogue);
    }

    TempHome home;
    const QString catalogue = CatalogueBaseFolder();
    const QString own = home.userData() + "GlimmoraData/owncats/1/";
    TonedPictures pictures;
};

TEST_F(SkinTonesTest, PicturesTakeTheirVariantOfTheToneWhereTheCatalogueHasOne) {
    const QString base = "hands/thumbs-up.png";
    EXPECT_EQ(InTone(base, SkinTone::None), catalogue + base);
    EXPECT_EQ(InTone(base, SkinTone::Medium),
              catalogue + "hands/tones/thumbs-up-medium-skin-tone.png");
    // Not "…-medium-light-…" for light, nor the other way round.
    EXPECT_EQ(InTone(base, SkinTone::Light),
              catalogue + "hands/tones/thumbs-up-light-skin-tone.png");
    EXPECT_EQ(InTone(base, SkinTone::MediumLight),
              catalogue + "hands/tones/thumbs-up-medium-light-skin-tone.png");
    // A tone the catalogue lacks, and pictures without tones, stay as they are.
    EXPECT_EQ(InTone(base, SkinTone::MediumDark), catalogue + base);
    EXPECT_EQ(InTone("hands/ok-hand.png", SkinTone::Dark), catalogue + "hands/ok-hand.png");
    EXPECT_EQ(InTone("animals/cat.png", SkinTone::Dark), catalogue + "animals/cat.png");

    // A variant goes over to the chosen tone's variant, or to its base.
    const QString dark = "hands/tones/thumbs-up-dark-skin-tone.png";
    EXPECT_EQ(InTone(dark, SkinTone::Medium),
              catalogue + "hands/tones/thumbs-up-medium-skin-tone.png");
    EXPECT_EQ(InTone(dark, SkinTone::None), catalogue + base);
    EXPECT_EQ(InTone(dark, SkinTone::MediumDark), catalogue + base);
    EXPECT_EQ(InTone(dark, SkinTone::Dark), catalogue + dark);
    const auto variant =
        TonedPictures::VariantOf(catalogue + "hands/tones/thumbs-up-medium-light-skin-tone.png");
    ASSERT_TRUE(variant);
    EXPECT_EQ(variant->base, catalogue + base);
    EXPECT_EQ(variant->tone, SkinTone::MediumLight);

    // The user's own pictures (and favourites) are what the user put there, named as they are.
    EXPECT_EQ(InTone("thumbs-up.png", SkinTone::Dark, own), own + "thumbs-up.png");
    EXPECT_EQ(InTone("tones/thumbs-up-dark-skin-tone.png", SkinTone::None, own),
              own + "tones/thumbs-up-dark-skin-tone.png");

    // A variant that comes into the folder later is found by the next page's pictures.
    WriteFile(catalogue + "hands/tones/thumbs-up-medium-dark-skin-tone.png", "png");
    EXPECT_EQ(TonedPictures().InTone(catalogue + base, SkinTone::MediumDark, catalogue),
              catalogue + "hands/tones/thumbs-up-medium-dark-skin-tone.png");
}

TEST_F(SkinTonesTest, ListsInTheChosenToneKeepEachPictureOnceAndRememberTheBase) {
    SetChosenSkinTone(SkinTone::Light);
    const QString light = catalogue + "hands/tones/thumbs-up-light-skin-tone.png";
    EXPECT_EQ(PicturesInChosenTone({catalogue + "hands/tones/thumbs-up-dark-skin-tone.png",
                                    catalogue + "animals/cat.png",
                                    catalogue + "hands/thumbs-up.png", light}),
              (QStringList{light, catalogue + "animals/cat.png"}));
    EXPECT_EQ(UntonedPicture(light), catalogue + "hands/thumbs-up.png");
    EXPECT_EQ(SkinToneFromKey(SkinToneKey(SkinTone::MediumDark)), SkinTone::MediumDark);
    EXPECT_EQ(SkinToneFromKey(" Medium-Light "), SkinTone::MediumLight);
    EXPECT_EQ(SkinToneFromKey("purple"), SkinTone::None);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
