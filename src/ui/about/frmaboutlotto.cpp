#include "frmaboutlotto.h"

frmAboutLotto::frmAboutLotto(WindowHub &, MessageBoxes &, SysInfoServices *, QWidget *parent) : QDialog(parent) {}
