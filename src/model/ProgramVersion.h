#pragma once
// The version of the programs, as the project's build names it (--version and the package).

// E.g. "0.1".
const char* programVersion();
