#pragma once
// Identifiers of the probe dialog that the page window's tests are built with.

#define IDD_Probe 7001
#define IDC_ProbeLabel 7002
// No template of the test program has this identifier.
#define IDD_Missing 7099
