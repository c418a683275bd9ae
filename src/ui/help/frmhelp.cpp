#include "frmhelp.h"

frmHelp::frmHelp(WindowHub &, MessageBoxes &, QWidget *parent) : QMainWindow(parent) {}
