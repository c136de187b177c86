// The skinned menus and hints as form data knows them: "TbsSkinPopupMenu" (on the framework's
// "TPopupMenu") and "TbsSkinHint".
#pragma once

namespace skin {

// Registers the classes with the framework's registry (once; later calls do nothing). A program
// calls it before it loads form data that names them.
void RegisterSkinMenuClasses();

}  // namespace skin
