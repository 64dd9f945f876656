// The one way out of the program: File > Exit, closing the main window and a
// working database that cannot be opened during a load all end here.
#pragma once

namespace varnel::app {

// Leaves every event loop, so the program ends once main() returns. The
// program keeps no database handles open between loads, so there is nothing
// else to close; a load still running is waited for by its owner.
void ExitApplication();

}  // namespace varnel::app
