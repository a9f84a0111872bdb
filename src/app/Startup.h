#pragma once

class QApplication;

// Makes the whole program speak Chinese, the toolkit's own dialogs and buttons included, gives
// every text a font that has Chinese characters and every window the program's icon.
void prepareApplication(QApplication& app);
