#pragma once

namespace bw {

struct MainMenu;
class ResultWindows;
class Workspace;

// Connects the menu entries of the protocol, the grading scale, the best lists and the data
// folders to their windows, with the settings of the workspace.
void ConnectResultMenu(const MainMenu& menu, ResultWindows& windows, Workspace& ws);

} // namespace bw
