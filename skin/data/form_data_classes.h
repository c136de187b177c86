// The skin data components as form data describes them: one published-property table per class,
// registered with the framework's registry (framework/core/properties.h), so that a window's form
// data can create the skin holder with its "CompressedData", a skin list with its entries (each
// package in the "Skin" property) and the skin data component with its switches and references.
#pragma once

namespace skin {

// Registers TbsCompressedStoredSkin, TbsCompressedSkinList (with its entries, TbsSkinListItem),
// TbsSkinData and TbsResourceStrData. Call it before loading form data that names them; calling it
// again changes nothing.
void RegisterSkinDataClasses();

}  // namespace skin
