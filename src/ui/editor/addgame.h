#pragma once

#include <QDialog>

struct GameCatalogue;
class WindowHub;
class MessageBoxes;

// Placeholder until the game editor lands.
class AddGame final : public QDialog
{
    Q_OBJECT
public:
    AddGame(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, QWidget *parent = nullptr);
};
