#pragma once

class QWidget;

// Gives the window's controls what a screen reader reads and a pointer shows: an accessible
// name for every field (from its label, its check box or what it applies), buddies for the
// labels, and tooltips where a caption says too little.
void describeControls(QWidget* window);
