#pragma once

class QMainWindow;
class QWidget;
struct Form1;

// Creates every control of the main window, named as in Form1, and lays them out: file
// collection, modes and rules side by side in the order a user works through them, the rename
// table across the whole width below them, the commands under it, and the advanced frames in
// a panel at the right edge. Returns that panel.
QWidget* buildForm1(QMainWindow* window, Form1& form);
