' IQV_v011.CLibrary from VBScript, as the add-in workbook calls it late bound: script
' variables passed by reference, optional arguments left out, errors read from Err. The
' registry itself is inspected through WScript.Shell. An uncaught error ends the script
' before its closing line, which fails the test.
Option Explicit

Const HKCU = &H80000001
Const Key = "Software\QuorvaneScript"
Dim failures, shell, library, other
failures = 0
Set shell = CreateObject("WScript.Shell")

Sub Expect(condition, label)
    If condition Then
        WScript.Echo "ok: " & label
    Else
        failures = failures + 1
        WScript.Echo "FAILED: " & label
    End If
End Sub

' Checks the error left by the statement just run (under On Error Resume Next).
Sub ExpectError(number, description, label)
    Expect Err.Number = number, label & ": Err.Number " & Err.Number & ", expected " & number
    Expect Err.Description = description, label & ": Err.Description """ & Err.Description & """"
    Err.Clear
End Sub

Function Stored(name)
    Stored = shell.RegRead("HKCU\" & Key & "\" & name)
End Function

Function BytesText(bytes)
    Dim i, text
    For i = 0 To UBound(bytes)
        text = text & bytes(i) & " "
    Next
    BytesText = Trim(text)
End Function

' Creation by programmatic identifier, and each object's own title.
Set library = CreateObject("IQV_v011.CLibrary")
Set other = CreateObject("IQV_v011.CLibrary")
Expect library.lCia = "", "a new object's lCia is empty"
library.lCia = "Quorvane Function"
Expect library.lCia = "Quorvane Function", "lCia keeps what was set"
Expect other.lCia = "", "another object's lCia is unaffected"

' Keys: created with every level, then reported as existing.
Expect library.CreateRegistryKey(HKCU, Key & "\Deep\Er") = False, "a new key is created"
Expect library.CreateRegistryKey(HKCU, Key & "\Deep\Er") = True, "an existing key is reported"
Expect library.CheckRegistryKey(HKCU, Key & "\Deep"), "every level was created"
Expect Not library.CheckRegistryKey(HKCU, Key & "\Missing"), "a missing key is not there"

' Text, binary and number values with their stored forms, arguments in script variables.
Dim root, keyName, valueName, keyType, value, readBack
root = HKCU : keyName = Key : valueName = "text" : keyType = 1 : value = "Hola mundo!"
library.SetRegistryValue root, keyName, valueName, keyType, value
Expect Stored("text") = "Hola mundo!", "text is stored as REG_SZ"
Expect library.GetRegistryValue(root, keyName, valueName, keyType) = "Hola mundo!", "text reads back"
Expect value = "Hola mundo!", "the caller's variable is unchanged"

' (Wine's RegRead misreads an empty REG_SZ: the C++ client checks its stored form.)
library.SetRegistryValue HKCU, Key, "empty", 1, ""
Expect library.GetRegistryValue(HKCU, Key, "empty", 1, "default") = "", "empty text reads back as empty"

library.SetRegistryValue HKCU, Key, "binary", 3, "01"
Expect BytesText(Stored("binary")) = "48 0 49 0", "text written as binary is UTF-16LE"
readBack = library.GetRegistryValue(HKCU, Key, "binary", 3)
Expect VarType(readBack) = vbArray + vbByte, "binary reads back as a byte array"
library.SetRegistryValue HKCU, Key, "copy", 3, readBack
Expect BytesText(Stored("copy")) = "48 0 49 0", "the byte array read back holds the same bytes"

library.SetRegistryValue HKCU, Key, "number", 4, 100
Expect Stored("number") = 100, "a number is stored as REG_DWORD"
readBack = library.GetRegistryValue(HKCU, Key, "number", 4)
Expect VarType(readBack) = vbLong And readBack = 100, "a number reads back as a Long"
library.SetRegistryValue HKCU, Key, "fromText", 4, "250"
Expect Stored("fromText") = 250, "text converts to a number"

' DefaultValue left out or given; the shortcut below HKEY_CURRENT_USER answers the same.
Expect library.GetRegistryValue(HKCU, Key, "absent", 1) = "", "omitted default is empty text"
Expect library.GetRegistryValue(HKCU, Key, "absent", 1, "dflt") = "dflt", "given default"
Expect library.GetRegistryValue(HKCU, Key & "\Missing", "absent", 2, 7) = 7, "missing key, any type"
Expect library.GetRegistryValueX(Key, "absent", 1) = "", "X: omitted default is empty text"
Expect library.GetRegistryValueX(Key, "text", 1, "dflt") = "Hola mundo!", "X: stored value"
library.SetRegistryValueX Key, "viaX", 1, "x"
Expect Stored("viaX") = "x", "X: written below HKEY_CURRENT_USER"

' Length limits of text: 1023 characters read back, 1024 give the default.
library.SetRegistryValue HKCU, Key, "longest", 1, String(1023, "q")
Expect library.GetRegistryValue(HKCU, Key, "longest", 1, "dflt") = String(1023, "q"), "1023 characters"
library.SetRegistryValue HKCU, Key, "tooLong", 1, String(1024, "q")
Expect library.GetRegistryValue(HKCU, Key, "tooLong", 1, "dflt") = "dflt", "1024 characters give the default"

' Deletes report nothing.
library.DeleteRegistryValue HKCU, Key, "text"
library.DeleteRegistryValue HKCU, Key, "text"
Expect library.GetRegistryValue(HKCU, Key, "text", 1, "gone") = "gone", "the value is deleted"
library.DeleteRegistryKey HKCU, Key
Expect library.CheckRegistryKey(HKCU, Key), "a key with subkeys stays"

' Small services.
Expect library.lpHkey_app = "Software\Quorvane11\Groupdate\", "the settings path"
Expect library.StripTerminator("ab" & Chr(0) & "cd") = "ab", "cut at the zero character"
Expect LCase(library.GetWindowsDir) = LCase(shell.ExpandEnvironmentStrings("%windir%")), "the Windows folder"

' Errors raised by the library, read back through Err.
Sub RaisedErrors()
    On Error Resume Next
    library.CreateRegistryKey &H12345, Key
    ExpectError 1001, "No fue posible crear la clave del registro", "a key that cannot be created"
    readBack = library.GetRegistryValue(HKCU, Key, "number", 2)
    ExpectError 1001, "Tipo de valor no compatible", "type code 2 on an existing key"
    readBack = library.GetRegistryValueX(Key, "number", 5, "dflt")
    ExpectError 1001, "Tipo de valor no compatible", "type code 5 through the shortcut"
    library.SetRegistryValue HKCU, Key, "empty", 3, ""
    ExpectError 9, "Subscript out of range", "an empty binary value"
    library.SetRegistryValue HKCU, Key, "number", 4, "many"
    ExpectError 13, "Type mismatch", "text that is no number"
    library.SetRegistryValue HKCU, Key, "number", 4, Null
    ExpectError 94, "Invalid use of Null", "Null"
    library.SetRegistryValue HKCU, Key & "\Missing", "empty", 3, ""
    ExpectError 0, "", "a missing key is silent"
    readBack = library.StripTerminator(String(40000, "a") & Chr(0))
    ExpectError 6, "Overflow", "a zero character beyond position 32767"
End Sub
RaisedErrors

' Whether the value `name` of the test key exists, as WScript.Shell reads the registry.
Function IsStored(name)
    On Error Resume Next
    Dim found
    found = shell.RegRead("HKCU\" & Key & "\" & name)
    IsStored = (Err.Number = 0)
    Err.Clear
End Function

' Calls a member leaving out one of its required arguments: the case named by `label`.
Sub LeaveOutRequired(label)
    Select Case label
        Case "lpValue_button without lpSub_key"
            readBack = library.lpValue_button("1")
        Case "GetRegistryValue without KeyType"
            readBack = library.GetRegistryValue(HKCU, Key, "number")
        Case "SetRegistryValue of text without value"
            library.SetRegistryValue HKCU, Key, "omittedText", 1
        Case "SetRegistryValue of type 2 without value"
            library.SetRegistryValue HKCU, Key, "omittedType2", 2
        Case "SetRegistryValueX without value"
            library.SetRegistryValueX Key, "omittedX", 1
    End Select
End Sub

' Required arguments left out are the wrong number of arguments, and the member does
' nothing; optional ones may be left out (above).
Sub RequiredArgumentsLeftOut()
    Dim label
    On Error Resume Next
    For Each label In Array("lpValue_button without lpSub_key", "GetRegistryValue without KeyType", _
            "SetRegistryValue of text without value", "SetRegistryValue of type 2 without value", _
            "SetRegistryValueX without value")
        LeaveOutRequired label
        ExpectError 450, "Wrong number of arguments or invalid property assignment", label
    Next
    Expect IsStored("number"), "a stored value is seen"
    For Each label In Array("omittedText", "omittedType2", "omittedX")
        Expect Not IsStored(label), "nothing written to " & label
    Next
End Sub
RequiredArgumentsLeftOut

' A text passed by reference to prcLink comes back to the caller's variable through the
' ANSI code page; a member that leaves its argument alone leaves the variable alone, type
' and all. Wine's VBScript lacks ChrW: the letter outside the code page (Greek capital
' omega) comes from JScript. The target cannot be opened, so nothing is started.
Sub ReferencesComeBack()
    Dim jscript, omega, link, group, label
    On Error Resume Next
    Set jscript = CreateObject("ScriptControl")
    jscript.Language = "JScript"
    omega = jscript.Eval("String.fromCharCode(0x3A9)")
    ExpectError 0, "", "a letter outside the code page from JScript"
    Expect Len(omega) = 1 And omega <> "O" And omega <> "?", "one letter, not its replacement"
    For Each label In Array("prcLink", "prcLink_About")
        link = "C:\no\such\" & omega & "document.pdf"
        If label = "prcLink" Then library.prcLink link Else library.prcLink_About link
        ExpectError 0, "", label
        Expect VarType(link) = vbString And Len(link) = 24, label & ": a text of the same length"
        Expect Mid(link, 12, 1) <> omega, label & ": omega is replaced: " & link
        Expect Left(link, 11) = "C:\no\such\" And Mid(link, 13) = "document.pdf", _
            label & ": the other letters are unchanged"
    Next
    group = CLng(3)
    readBack = library.lpValue_print(group)
    ExpectError 0, "", "lpValue_print"
    Expect VarType(group) = vbLong And group = 3, "an argument left alone keeps its type"
End Sub
ReferencesComeBack

WScript.Echo "script complete"
WScript.Quit failures
