#include "frmlottobrowser.h"

frmLottoBrowser::frmLottoBrowser(QWidget *parent) : QMainWindow(parent) {}
