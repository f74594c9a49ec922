#pragma once

struct WiredGame;

// Links the game to the page around it in a browser: the page may hand the
// game a table the player brings, and hears when the main window first
// shows.
void linkToPage(WiredGame& game);
