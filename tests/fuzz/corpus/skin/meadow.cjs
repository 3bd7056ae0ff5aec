/* Meadow: soft greens for Ostrelin Calculator. */
QWidget#Form1 {
    background-color: #edf5e8;
}
QGroupBox {
    background-color: #f6fbf2;
    border: 2px solid #7fae62;
    border-radius: 6px;
    margin-top: 14px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    color: #2f5d1f;
}
QLabel {
    background-color: transparent;
    color: #2f5d1f;
}
QPushButton {
    background-color: #7fae62;
    color: #102a06;
    border: 1px solid #4f7f35;
    border-radius: 8px;
    font-size: 20pt;
}
QPushButton:hover {
    background-color: #94c276;
}
QLineEdit {
    background-color: #ffffff;
    border: 1px solid #7fae62;
    padding: 0px 2px;
}
