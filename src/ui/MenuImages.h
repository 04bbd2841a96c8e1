// Small pictures in front of menu items and on the menu bar's entries. The pictures are
// prepared once at a fixed size and attached to items found by their position, the way the
// main window's loading describes them.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QSize>

class Form1;
class QAction;
class QMainWindow;

class clsMenuImage {
public:
    // Sets the owner whose menu bar is decorated and the size of every picture; discards the
    // pictures added before. bRaiseEvent is kept for its callers: there is nothing to watch.
    bool Init(QMainWindow* owner, int ImgWidth, int ImgHeight, bool bRaiseEvent = false);
    // Decodes a picture file's bytes (PNG, icon or any format Qt reads) and appends it,
    // scaled to the picture size with its transparency. False when it cannot be decoded.
    bool AddImageFromStream(const QByteArray& bvData, bool bGhosted = false);
    // Appends a picture already decoded, prepared the same way.
    void AddImage(const QImage& decoded, bool bGhosted = false);
    // Attaches picture ImageID to the item at MenuPos of the menu reached by vSubMenuPos (an
    // empty path is the menu bar itself); -1 removes the picture. Positions count the items
    // that are shown. False when there is no such item or picture.
    bool PutImageToVBMenu(int ImageID, int MenuPos, const QList<int>& vSubMenuPos = {});
    int ImageCount() const { return static_cast<int>(images_.size()); }

    // The item at MenuPos of the menu reached by path; nullptr when there is none.
    QAction* ItemAt(int MenuPos, const QList<int>& vSubMenuPos) const;

private:
    QMainWindow* owner_ = nullptr;
    QSize size_{16, 16};
    QList<QIcon> images_;
};

// Fills the menu pictures at the end of the main window's loading: the pictures from
// Files/Menu/100.png to 152.png, attached to the menu bar's entries and their items.
void CaricaImmaginiMenu(Form1& form);
