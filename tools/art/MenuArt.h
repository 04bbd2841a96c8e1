// The menu pictures, drawn by the art generator beside the window's pictures.
#pragma once

#include <QString>

// Draws Menu pictures 100.png to 152.png into folder; false when one cannot be written.
bool DrawMenuPictures(const QString& folder);
