#pragma once

#include <QMainWindow>

struct GameCatalogue;
class WindowHub;
class MessageBoxes;
class SettingsStore;
class EventPump;
class RandomSource;

// Placeholder until the main window lands.
class FrmMain final : public QMainWindow
{
    Q_OBJECT
public:
    FrmMain(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, SettingsStore &settings,
            EventPump &pump, RandomSource *random = nullptr, QWidget *parent = nullptr);
    // The window's load: the start-up sequence, run before the window is first shown.
    void Load();
};
