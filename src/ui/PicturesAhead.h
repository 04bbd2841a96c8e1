// The window's own pictures (buttons, knob, menu pictures: the Files folder), decoded on a
// helper thread while the window is being built, so the interface thread only turns them into
// pixmaps.
#pragma once

#include <QImage>
#include <QStringList>
#include <optional>

// The picture files of the Files folder and its Menu folder.
QStringList ProgramPictureFiles();
// Starts decoding files; call once, after the application object exists.
void DecodePicturesAhead(const QStringList& files);
// The decoded picture of file, once the decoding has finished; nothing for a file that was
// not asked for or could not be decoded (the caller then reads it itself).
std::optional<QImage> DecodedPicture(const QString& file);
// Forgets the decoded pictures (tests).
void ForgetDecodedPictures();
