#include "app/Style.h"

#include "platform/CarsPack.h"

#include <QApplication>
#include <QIcon>

namespace tesmi {

namespace {

const char *kStyleSheet = R"(
#Form1 { background: #e9eef4; }
#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2d5580, stop:1 #1c3a5c);
          border-bottom: 1px solid #142a44; }
#Panel1 QLabel { color: #e8f0f8; font-size: 13px; }
#Panel1 #Label39 { color: #ffffff; font-size: 20px; font-weight: bold; }
#Panel1 #Rangname { color: #ffd479; font-weight: bold; }
#Panel1 QLabel[link="true"]:hover { color: #ffd479; }
#Panel4, #Panel3 { background: #ffffff; border: 1px solid #c9d3de; border-radius: 6px; }
#Panel3 #settingsCaption { font-size: 15px; font-weight: bold; color: #1c3a5c; }
#Label26 { font-size: 15px; color: #1c3a5c; }
#Image7 { background: #dfe6ee; color: #5a6b7e; border: 1px solid #c9d3de; border-radius: 4px; }
#RichEdit2 { border: 1px solid #d5dde6; background: #fbfcfd; }
#Label27, #Label12 { font-size: 15px; font-weight: bold; color: #1c3a5c; }
#errorsCaption, #speedCaption { color: #5a6b7e; }
#CapsAlert { color: #d00000; font-weight: bold; }
#Hrust { background: #fffbe8; border: 1px solid #e8dca8; border-radius: 6px; padding: 8px; color: #4a4020; }
#arrows { background: transparent; border: none; border-radius: 3px; color: #7d8fa3; font-weight: bold; }
#arrows:hover { background: #d4dde7; color: #1c3a5c; }
#Panel7 { background: #1c3a5c; }
#Panel7 QLabel { color: #c8d6e8; font-size: 12px; }
#Panel7 #StaticText1:hover { color: #ffffff; }
#Panel7 #StaticText2 { color: #ffd479; font-weight: bold; }
)";

} // namespace

void ApplyStyle(QApplication &app)
{
    app.setStyle(QStringLiteral("Fusion"));
    app.setStyleSheet(QString::fromUtf8(kStyleSheet));
    app.setWindowIcon(QIcon(BuiltinPicture(QStringLiteral("icon"))));
}

} // namespace tesmi
