#pragma once
#include <QString>

// The picture that the balloon-smiley designer decorates: the main window stores the clicked
// picture's path here, then shows the designer modally.
void SetBalloonPicturePath(const QString& path);
QString BalloonPicturePath();
