#include "integration/emoji_text.h"

#include "integration/data_folders.h"
#include "support/test_env.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(EmojiText, CataloguePicturesAndTheirCopiesHaveTheirEmojiOwnPicturesNone) {
    TempHome home;
    const QString base = CatalogueBaseFolder();
    WriteFile(base + "faces/thumbs-up.png", "thumbs up bytes");
    WriteFile(base + "faces/grinning-face.png", "grin bytes");
    WriteFile(base + "faces/my-own.png", "own bytes");
    WriteFile(base + "emoji.dat", "# picture\tcode points\r\n"
                                  "faces/thumbs-up.png\t1F44D 1F3FD\r\n"
                                  "faces/broken.png\t1F44D ZZ\r\n"
                                  "faces/surrogate.png\tD800\r\n"
                                  "faces/grinning-face.png\t1f600\r\n");
    EXPECT_EQ(EmojiTextOfPicture(base + "faces/thumbs-up.png"),
              QString::fromUtf8("\U0001F44D\U0001F3FD"));
    EXPECT_EQ(EmojiTextOfPicture(base + "Faces/GRINNING-face.png"),
              QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(EmojiTextOfPicture(base + "faces/my-own.png"), QString());
    EXPECT_EQ(EmojiTextOfPicture(base + "faces/broken.png"), QString());
    EXPECT_EQ(EmojiTextOfPicture(base + "faces/missing.png"), QString());

    // A favourite is a copy under the same name; an own picture that only shares the name is not.
    WriteFile(FavouritesFolder() + "thumbs-up.png", "thumbs up bytes");
    WriteFile(FavouritesFolder() + "grinning-face.png", "a drawing of my own");
    EXPECT_EQ(EmojiTextOfPicture(FavouritesFolder() + "thumbs-up.png"),
              QString::fromUtf8("\U0001F44D\U0001F3FD"));
    EXPECT_EQ(EmojiTextOfPicture(FavouritesFolder() + "grinning-face.png"), QString());

    // Without the file every picture is a picture only.
    QFile::remove(base + "emoji.dat");
    EXPECT_EQ(EmojiTextOfPicture(base + "faces/thumbs-up.png"), QString());
}

} // namespace
