#include "BigScript.h"

#include "platform/VbColor.h"
#include "platform/rtf/Rtf.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

void WriteBigScript(const QString& path, int lines, const std::function<QString(int)>& middle) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(12);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat blue = plain;
    blue.setForeground(ColorFromRgbValue(RGB(0, 0, 255)));
    for (int i = 0; i < lines; ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(QStringLiteral("Line"), bold);
        cursor.insertText(middle(i), plain);
        cursor.insertText(QStringLiteral("[[Play Audio]]"), blue);
        cursor.insertText(QStringLiteral(" here"), plain);
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(rtf::Write(&doc));
}
