// IQV_v011.dll as a file: its registered type library, the four exports by ordinal and
// the version resource.

#include "ComClient.h"

#include <winver.h>

#include <array>
#include <cstring>

namespace qv::testing {
namespace {

// _CLibrary's members in slot order; the add-in workbook binds to these slots.
constexpr std::array<const wchar_t*, 67> kSlots = {L"lCia",
                                                   L"lCia",
                                                   L"Copy_picture",
                                                   L"Messagebox",
                                                   L"lpImage_cell",
                                                   L"DefaultPrinterInfo",
                                                   L"CreateRegistryKey",
                                                   L"DeleteRegistryKey",
                                                   L"GetRegistryValue",
                                                   L"SetRegistryValue",
                                                   L"DeleteRegistryValue",
                                                   L"prcLink",
                                                   L"prcLink_About",
                                                   L"prcDesinstalar_Addin",
                                                   L"App_Exist",
                                                   L"prcChecked_Key_RG",
                                                   L"CheckRegistryKey",
                                                   L"prcSet_status_Addin",
                                                   L"Get_status_Addin",
                                                   L"IsAddin_Installed",
                                                   L"Delete_All",
                                                   L"prcDir",
                                                   L"InstallPath",
                                                   L"prcSet_Addin",
                                                   L"Reset_key",
                                                   L"lpType_line",
                                                   L"lpType_color",
                                                   L"Asigna_key",
                                                   L"Get_Printers_local",
                                                   L"EnumRegistryKeys",
                                                   L"Get_oval",
                                                   L"prcChecked_Key_RG_subkeys",
                                                   L"SetRegistryValueX",
                                                   L"lpValue_print",
                                                   L"lpValue_button",
                                                   L"Set_button_Tl",
                                                   L"Set_button_IO",
                                                   L"Set_button_Blls",
                                                   L"Set_button_Stn",
                                                   L"lpValue_button_opt",
                                                   L"Set_pos_cell",
                                                   L"lpAddress",
                                                   L"Set_indest_custom",
                                                   L"lpIndest_custom",
                                                   L"lpZoom",
                                                   L"Set_button_case",
                                                   L"Set_button_zoom",
                                                   L"Set_button_colh",
                                                   L"Set_button_rowh",
                                                   L"Set_button_dotl",
                                                   L"lpPalette_favorite",
                                                   L"GetRegistryValueX",
                                                   L"lpHkey_app",
                                                   L"Set_change_values_buttons",
                                                   L"Reset_options_button_now",
                                                   L"Set_button_Num",
                                                   L"Set_button_Date",
                                                   L"Set_button_Brd",
                                                   L"Set_button_Brds",
                                                   L"Set_button_Hgt",
                                                   L"Set_button_Opt",
                                                   L"lpCell_name",
                                                   L"lpRange_image",
                                                   L"Delete_information_All",
                                                   L"Limpia",
                                                   L"GetWindowsDir",
                                                   L"StripTerminator"};

class TypeLibraryTest : public ComTest {
  protected:
    void SetUp() override {
        ComTest::SetUp();
        ASSERT_EQ(LoadRegTypeLib(LIBID_IQV_v011, 1, 0, 0x409, library_.put()), S_OK);
        ASSERT_EQ(library_->GetTypeInfoOfGuid(IID__CLibrary, dispatch_.put()), S_OK);
        HREFTYPE vtableSide = 0;
        ASSERT_EQ(dispatch_->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide), S_OK);
        ASSERT_EQ(dispatch_->GetRefTypeInfo(vtableSide, vtable_.put()), S_OK);
    }

    // The description of member `name` (method or property get) on the vtable side.
    const FUNCDESC* function(const wchar_t* name) {
        for (UINT index = 0;; ++index) {
            FUNCDESC* description = nullptr;
            if (FAILED(vtable_->GetFuncDesc(index, &description))) return nullptr;
            UniqueBstr found;
            vtable_->GetDocumentation(description->memid, found.put(), nullptr, nullptr, nullptr);
            if (win::textOf(found.get()) == name) {
                held_.push_back(description);
                return description;
            }
            vtable_->ReleaseFuncDesc(description);
        }
    }

    void TearDown() override {
        for (FUNCDESC* description : held_) vtable_->ReleaseFuncDesc(description);
        ComTest::TearDown();
    }

    ComPtr<ITypeLib> library_;
    ComPtr<ITypeInfo> dispatch_;
    ComPtr<ITypeInfo> vtable_;
    std::vector<FUNCDESC*> held_;
};

TEST_F(TypeLibraryTest, LibraryAndInterfaceCarryTheirIdentity) {
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library_->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->lcid, 0x409u);
    library_->ReleaseTLibAttr(attributes);
    UniqueBstr name;
    library_->GetDocumentation(-1, name.put(), nullptr, nullptr, nullptr);
    EXPECT_EQ(win::textOf(name.get()), L"IQV_v011");

    TYPEATTR* type = nullptr;
    ASSERT_EQ(dispatch_->GetTypeAttr(&type), S_OK);
    EXPECT_EQ(type->typekind, TKIND_DISPATCH);
    const WORD expected =
        TYPEFLAG_FDUAL | TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(type->wTypeFlags & expected, expected);
    dispatch_->ReleaseTypeAttr(type);
    ASSERT_EQ(vtable_->GetTypeAttr(&type), S_OK);
    EXPECT_EQ(type->typekind, TKIND_INTERFACE);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    vtable_->ReleaseTypeAttr(type);

    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(library_->GetTypeInfoOfGuid(CLSID_CLibrary, coclass.put()), S_OK);
    ASSERT_EQ(coclass->GetTypeAttr(&type), S_OK);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FCANCREATE);
    coclass->ReleaseTypeAttr(type);
}

TEST_F(TypeLibraryTest, MembersStandInTheirSlotsAfterIDispatch) {
    TYPEATTR* type = nullptr;
    ASSERT_EQ(vtable_->GetTypeAttr(&type), S_OK);
    ASSERT_EQ(type->cFuncs, kSlots.size());
    vtable_->ReleaseTypeAttr(type);
    for (UINT index = 0; index < kSlots.size(); ++index) {
        FUNCDESC* description = nullptr;
        ASSERT_EQ(vtable_->GetFuncDesc(index, &description), S_OK);
        UniqueBstr name;
        vtable_->GetDocumentation(description->memid, name.put(), nullptr, nullptr, nullptr);
        EXPECT_EQ(win::textOf(name.get()), kSlots[index]) << "slot " << index;
        EXPECT_EQ(description->oVft, static_cast<SHORT>((7 + index) * sizeof(void*)));
        vtable_->ReleaseFuncDesc(description);
    }
}

TEST_F(TypeLibraryTest, DefaultValueIsAnOptionalVariantByReferenceDefaultingToEmptyText) {
    for (const wchar_t* member : {L"GetRegistryValue", L"GetRegistryValueX"}) {
        SCOPED_TRACE(member);
        const FUNCDESC* description = function(member);
        ASSERT_NE(description, nullptr);
        // VBA's named arguments (DefaultValue:=) find the parameter by this name.
        // GetNames gives the member's name, then its parameters' names in order.
        std::array<BSTR, 8> names{};
        UINT count = 0;
        ASSERT_EQ(vtable_->GetNames(description->memid, names.data(),
                                    static_cast<UINT>(names.size()), &count),
                  S_OK);
        std::array<UniqueBstr, 8> held;
        for (UINT index = 0; index < count; ++index) held[index].reset(names[index]);
        const UINT nameIndex = static_cast<UINT>(description->cParams) - 1;
        ASSERT_GT(count, nameIndex);
        EXPECT_EQ(win::textOf(held[nameIndex].get()), L"DefaultValue");
        const ELEMDESC& parameter = description->lprgelemdescParam[description->cParams - 2];
        ASSERT_EQ(parameter.tdesc.vt, VT_PTR);
        EXPECT_EQ(parameter.tdesc.lptdesc->vt, VT_VARIANT);
        const USHORT flags = parameter.paramdesc.wParamFlags;
        EXPECT_EQ(flags, PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT);
        ASSERT_NE(parameter.paramdesc.pparamdescex, nullptr);
        const VARIANT& defaultValue = parameter.paramdesc.pparamdescex->varDefaultValue;
        EXPECT_EQ(variantText(defaultValue), L"");
    }
}

TEST_F(TypeLibraryTest, ThePictureIsTheStandardOlePicture) {
    const FUNCDESC* description = function(L"lpImage_cell");
    ASSERT_NE(description, nullptr);
    const TYPEDESC& result = description->lprgelemdescParam[0].tdesc;  // IPictureDisp**
    ASSERT_EQ(result.vt, VT_PTR);
    ASSERT_EQ(result.lptdesc->vt, VT_PTR);
    ASSERT_EQ(result.lptdesc->lptdesc->vt, VT_USERDEFINED);
    ComPtr<ITypeInfo> picture;
    ASSERT_EQ(vtable_->GetRefTypeInfo(result.lptdesc->lptdesc->hreftype, picture.put()), S_OK);
    ComPtr<ITypeLib> container;
    UINT index = 0;
    ASSERT_EQ(picture->GetContainingTypeLib(container.put(), &index), S_OK);
    UniqueBstr name;
    container->GetDocumentation(-1, name.put(), nullptr, nullptr, nullptr);
    EXPECT_EQ(win::textOf(name.get()), L"stdole");
}

TEST(ServerFileTest, ExportsItsFourEntryPointsByOrdinal) {
    HMODULE module = LoadLibraryW(registeredLibraryFile().c_str());
    ASSERT_NE(module, nullptr);
    const char* names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                           "DllUnregisterServer"};
    for (WORD ordinal = 1; ordinal <= 4; ++ordinal) {
        FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
        EXPECT_NE(byOrdinal, nullptr) << ordinal;
        EXPECT_EQ(byOrdinal, GetProcAddress(module, names[ordinal - 1])) << ordinal;
    }
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(5)), nullptr);
    FreeLibrary(module);
}

TEST(ServerFileTest, CarriesItsVersionResource) {
    const std::wstring path = registeredLibraryFile();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"FileVersion", L"1.01"},
        {L"InternalName", L"IQV_v011"},
        {L"OriginalFilename", L"IQV_v011.dll"},
        {L"OLESelfRegister", L""},
    };
    for (const auto& [name, expected] : strings) {
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << "missing " << std::string(name, name + std::wcslen(name));
        EXPECT_EQ(std::wstring(value), expected);
    }
}

TEST(ServerFileTest, OtherClassesAreRefusedAndTheLibraryUnloadsWhenUnused) {
    HMODULE module = LoadLibraryW(registeredLibraryFile().c_str());
    ASSERT_NE(module, nullptr);
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(getClassObject(IID_IDispatch, IID_IClassFactory, factory.putVoid()),
                  CLASS_E_CLASSNOTAVAILABLE);
        ASSERT_EQ(getClassObject(CLSID_CLibrary, IID_IClassFactory, factory.putVoid()), S_OK);
        EXPECT_EQ(canUnloadNow(), S_FALSE);
        ComPtr<_CLibrary> library;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID__CLibrary, library.putVoid()), S_OK);
        factory.reset();
        EXPECT_EQ(canUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
    CoUninitialize();
    FreeLibrary(module);
}

}  // namespace
}  // namespace qv::testing
