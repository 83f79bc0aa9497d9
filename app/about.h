#pragma once

// Shows the program's name, version and notice in a modal box and returns
// once the player has closed it.
void ShowAboutBox();
