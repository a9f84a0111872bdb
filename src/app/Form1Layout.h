#pragma once

class QMainWindow;
class QWidget;
struct Form1;

// Creates every control of the main window, named as in Form1, and lays them out: file
// collection on the left, the rename table in the middle, modes and rules beside it, and the
// advanced frames in a panel at the right edge. Returns that panel.
QWidget* buildForm1(QMainWindow* window, Form1& form);
