#pragma once

class QMainWindow;
struct Form1Controls;

// Creates every control of the main window under its name from the original form and lays them
// out: file collection, modes and rules side by side in the order a user works through them,
// the rename table across the whole width below them, the commands under it, and the advanced
// frames in a panel at the right edge. Returns the controls code acts on, grouped by feature.
Form1Controls buildForm1(QMainWindow* window);

class SheetView;
// Makes the grid tall enough for that many rows under its header, once it has its columns:
// on a small screen the settings above it scroll instead.
void keepRowsVisible(SheetView* grid, int rows);
