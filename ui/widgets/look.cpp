#include "ui/widgets/look.h"

namespace aec::look {

QFont windowFont(int pointSize) {
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "WenQuanYi Micro Hei"});
    font.setPointSize(pointSize);
    return font;
}

QString windowStyleSheet() {
    return QStringLiteral(R"(
QWidget#TForm1 { background: #ffffff; }
QLineEdit[valueBox="true"] {
    background: #e6e6e6; border: 1px solid #bdbdbd; border-radius: 2px;
    padding: 0px 1px; color: #333333; selection-background-color: #f39800;
}
QLineEdit[valueBox="true"]:disabled { color: #a0a0a0; }
QLineEdit[passwordBox="true"], QLineEdit[plainBox="true"] {
    background: #ffffff; border: 1px solid #bdbdbd; border-radius: 2px; padding: 0px 2px;
}
QLineEdit:disabled { background: #f0f0f0; }
QComboBox {
    background: #ffffff; border: 1px solid #bdbdbd; border-radius: 2px;
    padding: 0px 2px; color: #333333; min-height: 16px;
}
QComboBox:disabled { color: #a0a0a0; background: #f4f4f4; }
QComboBox QAbstractItemView {
    border: 1px solid #bdbdbd; selection-background-color: #f39800; selection-color: #ffffff;
}
QSlider:horizontal { min-height: 16px; }
QSlider::groove:horizontal { height: 4px; background: #d6d6d6; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #f39800; border-radius: 2px; }
QSlider::sub-page:horizontal:disabled { background: #c8c8c8; }
QSlider::handle:horizontal {
    width: 8px; margin: -6px 0px; background: #ffffff;
    border: 1px solid #f39800; border-radius: 3px;
}
QSlider::handle:horizontal:disabled { border: 1px solid #b4b4b4; }
QSlider:vertical { min-width: 16px; }
QSlider::groove:vertical { width: 4px; background: #d6d6d6; border-radius: 2px; }
QSlider::add-page:vertical { background: #f39800; border-radius: 2px; }
QSlider::add-page:vertical:disabled { background: #c8c8c8; }
QSlider::handle:vertical {
    height: 8px; margin: 0px -6px; background: #ffffff;
    border: 1px solid #f39800; border-radius: 3px;
}
QSlider::handle:vertical:disabled { border: 1px solid #b4b4b4; }
QSlider[scrollSlider="true"]::sub-page:horizontal { background: #d6d6d6; }
QSlider[scrollSlider="true"]::handle:horizontal {
    width: 40px; margin: -3px 0px; background: #f3b14a; border: none; border-radius: 4px;
}
QSlider[scrollSlider="true"]::handle:horizontal:disabled { background: #d6d6d6; }
QGroupBox {
    border: 1px solid #d4d4d4; border-radius: 3px; margin-top: 7px; color: #f39800;
    font-weight: bold;
}
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 3px; }
QGroupBox:disabled { color: #b4b4b4; }
QGroupBox[frameOnly="true"] { margin-top: 0px; }
QLabel[valuePane="true"] {
    background: #f6f6f6; border: 1px solid #d0d0d0; border-radius: 2px; color: #333333;
}
QLabel:disabled { color: #a8a8a8; }
QTableWidget { border: 1px solid #d0d0d0; gridline-color: #e4e4e4; }
QHeaderView::section {
    background: #4d4d4d; color: #ffffff; border: none; border-right: 1px solid #6a6a6a;
    padding: 1px 3px;
}
QTabWidget#AdvPageControl1::pane { border: 1px solid #4d4d4d; border-top: 2px solid #4d4d4d; }
QTabWidget#AdvPageControl1 QTabBar::tab {
    width: 83px; height: 22px; background: #4d4d4d; color: #ffffff; margin-right: 1px;
    border-top-left-radius: 3px; border-top-right-radius: 3px;
}
QTabWidget#AdvPageControl1 QTabBar::tab:selected { background: #c0c0c0; color: #222222; }
QTabWidget#AdvPageControl1 QTabBar::tab:disabled { color: #9a9a9a; }
)");
}

}  // namespace aec::look
