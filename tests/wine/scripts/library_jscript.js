// IQV_v011.CLibrary from JScript: errors reach a try/catch with their number and
// description, optional arguments may be left out, and texts pass through the ANSI code
// page (Wine's VBScript lacks ChrW, so this client checks that).
var HKCU = 0x80000001 | 0;  // a signed 32-bit handle value, as Automation passes it
var key = "Software\\QuorvaneJScript";
var failures = 0;

function expect(condition, label) {
    if (!condition) {
        failures++;
        WScript.Echo("FAILED: " + label);
    }
}

function expectError(call, number, description, label) {
    try {
        call();
        expect(false, label + ": no error");
    } catch (e) {
        expect((e.number & 0xFFFF) == number, label + ": number " + (e.number & 0xFFFF));
        expect(e.description == description, label + ": description " + e.description);
    }
}

var library = new ActiveXObject("IQV_v011.CLibrary");
expect(library.CreateRegistryKey(HKCU, key) == false, "a new key");
library.SetRegistryValue(HKCU, key, "text", 1, "JScript");
expect(library.GetRegistryValue(HKCU, key, "text", 1) == "JScript", "text reads back");
expect(library.GetRegistryValue(HKCU, key, "absent", 1) === "", "omitted default is empty text");
expect(library.GetRegistryValueX(key, "absent", 1, 12) === 12, "given default comes back");

// A character outside the code page comes back replaced, one for one, never garbled.
var outside = String.fromCharCode(0x4E2D);
library.SetRegistryValue(HKCU, key, "ansi", 1, "a" + outside + "b");
var ansi = library.GetRegistryValue(HKCU, key, "ansi", 1);
expect(ansi.length == 3 && ansi.charAt(0) == "a" && ansi.charAt(2) == "b", "replaced one for one: " + ansi);
expect(ansi.charAt(1) != outside, "the character outside the code page is replaced");
library.SetRegistryValue(HKCU, key, "latin", 1, "\u00e9\u20ac");
expect(library.GetRegistryValue(HKCU, key, "latin", 1) == "\u00e9\u20ac", "code page letters unchanged");

expectError(function () { library.CreateRegistryKey(0x12345, key); }, 1001,
            "No fue posible crear la clave del registro", "a key that cannot be created");
expectError(function () { library.GetRegistryValue(HKCU, key, "text", 2); }, 1001,
            "Tipo de valor no compatible", "an unsupported type code");
expectError(function () { library.SetRegistryValue(HKCU, key, "binary", 3, ""); }, 9,
            "Subscript out of range", "an empty binary value");

WScript.Echo("script complete");
WScript.Quit(failures);
