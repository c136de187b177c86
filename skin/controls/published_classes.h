// The skinned controls as form data knows them: "TbsSkinControl", "TbsSkinCustomControl",
// "TbsSkinUpDown" and "TbsSkinTabControl", each with its published properties on top of its base's.
#pragma once

namespace skin {

// Registers the classes with the framework's registry (once; later calls do nothing). A program
// calls it before it loads form data that names them.
void RegisterSkinControlClasses();

}  // namespace skin
