#pragma once
// Pictures of the toolbar's picture buttons: the desktop's icon theme where it has them,
// otherwise small drawn pictures, so the buttons never come up blank.

#include <QIcon>

enum class ToolbarPicture { New, Open, Save, Print, Undo, Redo, Record };

QIcon toolbarIcon(ToolbarPicture picture);
