#include "app/Style.h"

#include "platform/CarsPack.h"

#include <QApplication>
#include <QIcon>

namespace tesmi {

namespace {

const char *kStyleSheet = R"(
#Form1 { background: #e9eef4; }
#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #edf1f6);
          border-bottom: 1px solid #c9d3de; }
#Panel1 QLabel { color: #2b3f55; font-size: 13px; }
#Panel1 #Label39 { font-size: 21px; font-weight: bold; }
#Panel1 #Rangname { color: #b0620c; font-weight: bold; }
#Panel1 QLabel[link="true"] { color: #1f5fa8; }
#Panel1 QLabel[link="true"]:hover { color: #d0761b; }
#Panel4, #Panel3 { background: #ffffff; border: 1px solid #c9d3de; border-radius: 6px; }
#Panel3 #settingsCaption { font-size: 15px; font-weight: bold; color: #1c3a5c; }
#Panel3 QLabel, #Panel3 QCheckBox { color: #2b3f55; }
#RzPanel4 { background: #f3f6fa; border: 1px solid #d5dde6; border-radius: 4px; }
#RzPanel4 QLabel { color: #2b3f55; }
#Image15, #Image16 { color: #7d8fa3; }
#Image15:hover, #Image16:hover { color: #d0761b; }
#Label26 { font-size: 15px; color: #1c3a5c; }
#Image7 { background: #dfe6ee; color: #5a6b7e; border: 1px solid #c9d3de; border-radius: 4px; }
#RichEdit2 { border: 1px solid #d5dde6; background: #fbfcfd; }
#Label27, #Label12 { font-size: 15px; font-weight: bold; color: #1c3a5c; }
#errorsCaption, #speedCaption { color: #5a6b7e; }
#CapsAlert { color: #d00000; font-weight: bold; }
#Panel8 { background: #ffffff; border: 1px solid #c9d3de; border-radius: 6px; }
#garageContent { background: #ffffff; }
#SpeedButton6 { background: #fff4e0; border: 1px solid #e3b778; border-radius: 4px; padding: 3px 10px; color: #7a4a0c; }
#SpeedButton6:hover { background: #ffe7bf; }
#Form9 { background: #ffffff; }
#Form9 QLabel[figure="true"] { font-weight: bold; color: #1c3a5c; }
#Hrust { background: #fffbe8; border: 1px solid #e8dca8; border-radius: 6px; padding: 6px 4px; color: #4a4020;
         font-family: "DejaVu Sans Condensed"; font-size: 10px; }
#arrows { background: transparent; border: none; border-radius: 3px; color: #7d8fa3; font-weight: bold; }
#arrows:hover { background: #d4dde7; color: #1c3a5c; }
#Panel1 #summary QLabel { font-size: 12px; }
#Panel1 #summary QLabel { color: #5a6b7e; }
#Panel1 #summary QLabel[figure="true"] { color: #1c3a5c; font-weight: bold; }
#Panel1 #level_l { font-family: Tahoma; font-size: 16px; font-weight: bold; color: #ffffff; }
#Panel1 #level_l[max="true"] { font-size: 10pt; }
#Panel2 { background: #ffffff; border: 1px solid #c9d3de; border-radius: 6px; }
#Panel2 QLabel { color: #1c3a5c; font-size: 15px; }
#Panel2 #Label5 { font-size: 30px; font-weight: bold; }
#Panel2 #Label3, #Panel2 #Label7 { font-size: 22px; font-weight: bold; }
#Panel2 #rek { color: #c0392b; font-weight: bold; }
#Panel2 #RzPanel5 { color: #7d8fa3; font-style: italic; }
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
