#include "frmmain.h"

FrmMain::FrmMain(GameCatalogue &, WindowHub &, MessageBoxes &, SettingsStore &, EventPump &, RandomSource *,
                 QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Drawsmith"));
}

void FrmMain::Load() {}
