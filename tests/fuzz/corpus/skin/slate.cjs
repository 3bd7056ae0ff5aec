/* Slate: a quiet grey-blue skin for Ostrelin Calculator. */
QWidget#Form1 {
    background-color: #e4e8ee;
}
QGroupBox {
    background-color: #eef1f5;
    border: 1px solid #8a97a8;
    border-radius: 4px;
    margin-top: 14px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 6px;
    color: #2b3a55;
}
QLabel {
    background-color: transparent;
    color: #2b3a55;
}
QPushButton {
    background-color: #4a607f;
    color: white;
    border: 1px solid #2b3a55;
    border-radius: 3px;
}
QPushButton:hover {
    background-color: #5b7396;
}
QPushButton:pressed {
    background-color: #2b3a55;
}
QLineEdit {
    background-color: white;
    border: 1px solid #8a97a8;
    border-radius: 2px;
}
