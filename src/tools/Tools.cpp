// The palette window and its editors live here.
namespace vh {
int ToolsModuleVersion() { return 1; }
} // namespace vh
