// The hex grid view and the mission map view live here.
namespace vh {
int ViewsModuleVersion() { return 1; }
} // namespace vh
