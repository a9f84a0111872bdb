#pragma once

class QApplication;

// Makes the whole program speak Chinese, the toolkit's own dialogs and buttons included, and
// gives every text a font that has Chinese characters.
void prepareApplication(QApplication& app);
