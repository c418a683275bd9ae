#include "addgame.h"

AddGame::AddGame(GameCatalogue &, WindowHub &, MessageBoxes &, QWidget *parent) : QDialog(parent) {}
