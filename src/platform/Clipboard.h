// The system clipboard, as the program uses it: whole contents put there and read back, in
// every format at once (plain text and rich text side by side).
#pragma once

class QMimeData;

namespace clipboard {

// Replaces what the clipboard holds with data; the clipboard takes ownership.
void Put(QMimeData* data);
// What the clipboard holds now; null when it is empty or unavailable. Valid until the
// clipboard next changes.
const QMimeData* Contents();

} // namespace clipboard
