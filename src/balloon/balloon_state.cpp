#include "balloon/balloon_state.h"

namespace {
QString& PicturePath() {
    static QString path;
    return path;
}
} // namespace

void SetBalloonPicturePath(const QString& path) {
    PicturePath() = path;
}

QString BalloonPicturePath() {
    return PicturePath();
}
