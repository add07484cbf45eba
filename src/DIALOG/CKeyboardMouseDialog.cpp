// SPDX-License-Identifier: GPL-3.0-or-later
#include "CKeyboardMouseDialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include "DIALOG/CControlDescriptions.h"

namespace {
struct CHelpRow {
    const char* what;
    const char* does;
};

// The gestures in the view. Command, Option and Control are Qt's Control,
// Alt and Meta modifiers; on Linux the keys are Ctrl, Alt and Super.
constexpr CHelpRow kGestures[] = {
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "drag"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "turn the view (0.9 degrees per point)")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Shift-click on an atom"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "select or deselect it")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Shift-drag"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "select the atoms inside the dashed box")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Super-drag, or middle-button drag"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "move the selected atoms in the screen plane")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Ctrl-drag, or right-button drag"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "zoom (drag down to shrink)")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Alt-drag"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "move the eye away (down) or closer (up), scaling the picture alike")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "wheel"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "zoom, one arrow-key step per notch")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Shift-wheel"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "move the eye closer (away from you) or away (towards you)")},
};

constexpr CHelpRow kKeys[] = {
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Left, Right"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "turn about the vertical axis (4.5 degrees a press)")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Up, Down"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "tilt (4.5 degrees a press)")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Ctrl+Up, Ctrl+Down"), QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "zoom")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Alt+Up, Alt+Down"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "move the eye")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Space"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "restore the standard orientation, keeping the zoom")},
    {QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "Escape"),
     QT_TRANSLATE_NOOP("CKeyboardMouseDialog", "deselect every atom")},
};

template <size_t N>
QString tableHtml(const QString& heading, const QString& left, const CHelpRow (&rows)[N])
{
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing='0' cellpadding='4' border='1'>"
                                  "<tr><th align='left'>%2</th><th align='left'>%3</th></tr>")
                       .arg(heading.toHtmlEscaped(), left.toHtmlEscaped(),
                            CKeyboardMouseDialog::tr("Does").toHtmlEscaped());
    for (const CHelpRow& row : rows)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(CKeyboardMouseDialog::tr(row.what).toHtmlEscaped(),
                         CKeyboardMouseDialog::tr(row.does).toHtmlEscaped());
    return html + QStringLiteral("</table>");
}
}  // namespace

QString CKeyboardMouseDialog::tablesHtml()
{
    return tableHtml(tr("Mouse in the view"), tr("Gesture"), kGestures) +
           tableHtml(tr("Keys in the view"), tr("Key"), kKeys) +
           QStringLiteral("<p>%1</p>")
               .arg(tr("Many window managers keep Alt-drag and Super-drag for moving windows; the middle "
                       "button, the right button, the wheel and the View menu do the same without them.")
                        .toHtmlEscaped());
}

CKeyboardMouseDialog::CKeyboardMouseDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Keyboard and Mouse"));
    auto* layout = new QVBoxLayout(this);
    tables = new QTextBrowser(this);
    tables->setHtml(tablesHtml());
    tables->setMinimumSize(560, 480);
    tables->setAccessibleName(tr("Keys and mouse actions"));
    tables->setAccessibleDescription(tr("Tables of what each key and mouse action does in the view and the windows."));
    layout->addWidget(tables);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    CControlDescriptions::describeControls(this);
}
