#include "menubar/StatusIconPicture.h"

#include "menubar/MenuBarStatusPresentation.h"

StatusIconPicture StatusIconPicture::of(const MenuBarStatusPresentation &presentation)
{
    return {presentation.symbolName, presentation.statusTitle, presentation.dimsIcon};
}
