#include "DispatchArguments.h"

#include <oleauto.h>

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

// Types a typed by-reference parameter may point to that an argument can be converted to.
bool isConvertibleTarget(VARTYPE type) {
    switch (type) {
        case VT_BSTR:
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_BOOL:
        case VT_UI1:
        case VT_CY:
        case VT_DATE:
            return true;
        default:
            return false;
    }
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
            UniqueVariant& value = temporaries_.emplace_back();
            const PARAMDESC& description = element.paramdesc;
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
        } else if (isConvertibleTarget(target) && !isByReferenceOf(argument, target)) {
            UniqueVariant& value = temporaries_.emplace_back();
            const HRESULT result = VariantChangeTypeEx(value.get(), &original.rgvarg[index],
                                                       LOCALE_USER_DEFAULT, 0, target);
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

}  // namespace qv::win
