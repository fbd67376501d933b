#include "DispatchArguments.h"

#include <oleauto.h>

#include <cstring>

namespace qv::win {
namespace {

class FunctionDescription {
  public:
    FunctionDescription(ITypeInfo* info, DISPID id, WORD flags) : info_(info) {
        ComPtr<ITypeInfo2> info2;
        if (FAILED(info->QueryInterface(IID_ITypeInfo2, info2.putVoid()))) return;
        // A late-bound call may name a method or a property; put is never rewritten.
        const INVOKEKIND kinds[] = {INVOKE_FUNC, INVOKE_PROPERTYGET};
        for (const INVOKEKIND kind : kinds) {
            if (!(flags & (kind == INVOKE_FUNC ? DISPATCH_METHOD : DISPATCH_PROPERTYGET))) continue;
            UINT index = 0;
            if (SUCCEEDED(info2->GetFuncIndexOfMemId(id, kind, &index)) &&
                SUCCEEDED(info->GetFuncDesc(index, &function_))) {
                return;
            }
        }
    }
    FunctionDescription(const FunctionDescription&) = delete;
    FunctionDescription& operator=(const FunctionDescription&) = delete;
    ~FunctionDescription() {
        if (function_) info_->ReleaseFuncDesc(function_);
    }

    const FUNCDESC* get() const { return function_; }

  private:
    ITypeInfo* info_;
    FUNCDESC* function_ = nullptr;
};

bool isByReferenceOf(const VARIANT& argument, VARTYPE type) {
    return V_VT(&argument) == (VT_BYREF | type);
}

// Types a typed by-reference parameter may point to that an argument can be converted to,
// with the size of their value.
struct ConvertibleType {
    VARTYPE type;
    std::size_t size;
};
constexpr ConvertibleType kConvertibleTypes[] = {
    {VT_BSTR, sizeof(BSTR)}, {VT_I2, sizeof(SHORT)},  {VT_I4, sizeof(LONG)},
    {VT_R4, sizeof(FLOAT)},  {VT_R8, sizeof(DOUBLE)}, {VT_BOOL, sizeof(VARIANT_BOOL)},
    {VT_UI1, sizeof(BYTE)},  {VT_CY, sizeof(CY)},     {VT_DATE, sizeof(DATE)},
};

const ConvertibleType* convertibleType(VARTYPE type) {
    for (const ConvertibleType& convertible : kConvertibleTypes) {
        if (convertible.type == type) return &convertible;
    }
    return nullptr;
}

// Whether two values of one convertible type are the same: texts by their characters (a
// member may reallocate a text in place), other types by their bytes.
bool sameValue(const VARIANT& left, const VARIANT& right) {
    if (V_VT(&left) != V_VT(&right)) return false;
    if (V_VT(&left) == VT_BSTR) return textOf(V_BSTR(&left)) == textOf(V_BSTR(&right));
    const ConvertibleType* type = convertibleType(V_VT(&left));
    return type && std::memcmp(&left.lVal, &right.lVal, type->size) == 0;
}

}  // namespace

DispatchArguments::DispatchArguments(ITypeInfo* info, DISPID id, WORD flags, DISPPARAMS& parameters)
    : prepared_(parameters) {
    if (parameters.cNamedArgs != 0 || (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
        return;
    }
    FunctionDescription function(info, id, flags);
    if (function.get()) prepare(info, *function.get(), parameters);
}

void DispatchArguments::prepare(ITypeInfo*, const FUNCDESC& function, const DISPPARAMS& original) {
    UINT parameterCount = static_cast<UINT>(function.cParams);
    if (parameterCount > 0 &&
        (function.lprgelemdescParam[parameterCount - 1].paramdesc.wParamFlags &
         PARAMFLAG_FRETVAL)) {
        --parameterCount;
    }
    if (original.cArgs > parameterCount) return;  // DispInvoke reports the wrong count

    arguments_.resize(parameterCount);
    temporaries_.reserve(parameterCount);
    // rgvarg holds the arguments last first; parameter p sits at index count - 1 - p.
    for (UINT parameter = 0; parameter < parameterCount; ++parameter) {
        const ELEMDESC& element = function.lprgelemdescParam[parameter];
        const TYPEDESC& type = element.tdesc;
        VARIANT& argument = arguments_[parameterCount - 1 - parameter];
        const bool given = parameter < original.cArgs;

        if (!given) {
            const PARAMDESC& description = element.paramdesc;
            if (!(description.wParamFlags & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT))) {
                status_ = DISP_E_BADPARAMCOUNT;
                return;
            }
            UniqueVariant& value = temporaries_.emplace_back();
            if ((description.wParamFlags & PARAMFLAG_FHASDEFAULT) && description.pparamdescex) {
                VariantCopy(value.get(), &description.pparamdescex->varDefaultValue);
            } else {
                V_VT(value.get()) = VT_ERROR;
                V_ERROR(value.get()) = DISP_E_PARAMNOTFOUND;
            }
            if (type.vt == VT_PTR && type.lptdesc->vt == VT_VARIANT) {
                V_VT(&argument) = VT_BYREF | VT_VARIANT;
                V_VARIANTREF(&argument) = value.get();
            } else {
                argument = *value.get();
            }
            continue;
        }

        const UINT index = original.cArgs - 1 - parameter;
        argument = original.rgvarg[index];
        if (type.vt != VT_PTR) continue;
        const VARTYPE target = type.lptdesc->vt;
        if (target == VT_VARIANT) {
            if (V_VT(&argument) & VT_BYREF) continue;
            UniqueVariant& value = temporaries_.emplace_back();
            VariantCopy(value.get(), &original.rgvarg[index]);
            V_VT(&argument) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&argument) = value.get();
        } else if (convertibleType(target) && !isByReferenceOf(argument, target)) {
            UniqueVariant& value = temporaries_.emplace_back();
            HRESULT result = VariantChangeTypeEx(value.get(), &original.rgvarg[index],
                                                 LOCALE_USER_DEFAULT, 0, target);
            // A script variable: it is to get back what the member changes.
            if (SUCCEEDED(result) && isByReferenceOf(argument, VT_VARIANT)) {
                ConvertedReference& reference = converted_.emplace_back(
                    ConvertedReference{V_VARIANTREF(&argument), value.get(), {}});
                result = VariantCopy(reference.passed.get(), value.get());
            }
            if (FAILED(result)) {
                status_ = result;
                argumentError_ = index;
                return;
            }
            // A VARIANT of any of these types keeps its value where a by-reference
            // pointer of that type points.
            V_VT(&argument) = VT_BYREF | target;
            V_BYREF(&argument) = &value.get()->lVal;
        }
    }
    prepared_.rgvarg = arguments_.data();
    prepared_.cArgs = parameterCount;
}

HRESULT DispatchArguments::returnReferences() {
    for (ConvertedReference& reference : converted_) {
        if (sameValue(*reference.passed.get(), *reference.converted)) continue;
        const HRESULT result = VariantCopy(reference.variable, reference.converted);
        if (FAILED(result)) return result;
    }
    return S_OK;
}

}  // namespace qv::win
