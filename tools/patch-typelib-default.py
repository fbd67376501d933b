#!/usr/bin/env python3
"""Gives DefaultValue of GetRegistryValue and GetRegistryValueX its final form in a type library.

widl will not write a string default on a VARIANT* parameter, so the interface is compiled
with DefaultValue as an optional by-value BSTR with the default "". This step rewrites that
parameter, in every type description of the library, into an in/out VARIANT* (the type
description SetRegistryValue already uses for its `value` parameter), keeping the default.

The file is the MSFT type library format that oleaut32 reads: a header, the offsets of the
type descriptions, a directory of segments, then each description's member records, whose
last bytes are the parameter descriptions (type, name offset, flags).

Usage: patch-typelib-default.py input.tlb output.tlb
"""
import struct
import sys

PATCHED_FUNCTIONS = {"GetRegistryValue", "GetRegistryValueX"}
VARIANT_SOURCE = ("SetRegistryValue", "value")
PATCHED_PARAMETER = "DefaultValue"
PARAMFLAG_FIN, PARAMFLAG_FOUT, PARAMFLAG_FOPT, PARAMFLAG_FHASDEFAULT = 0x1, 0x2, 0x10, 0x20
VT_BSTR = 8
HELPDLL_FLAG = 0x100
TYPEINFO_SEGMENT, NAME_SEGMENT = 0, 7
PARAMETER_INFO_SIZE = 12


def fail(message):
    sys.exit("patch-typelib-default: " + message)


def read_int(data, offset):
    return struct.unpack_from("<i", data, offset)[0]


class TypeLibrary:
    def __init__(self, data):
        self.data = data
        if data[:4] != b"MSFT":
            fail("not an MSFT type library")
        typeinfo_count = read_int(data, 0x20)
        position = 0x54 + (4 if read_int(data, 0x14) & HELPDLL_FLAG else 0)
        self.typeinfo_offsets = [read_int(data, position + 4 * i) for i in range(typeinfo_count)]
        directory = position + 4 * typeinfo_count
        self.segments = [struct.unpack_from("<ii", data, directory + 16 * i) for i in range(15)]

    def name(self, name_offset):
        if name_offset < 0:
            return None
        start = self.segments[NAME_SEGMENT][0] + name_offset
        length = read_int(self.data, start + 8) & 0xFF
        return self.data[start + 12:start + 12 + length].decode("ascii")

    def functions(self):
        """Yields (function name, [(parameter name, parameter info offset)]) of every type."""
        for base_offset in self.typeinfo_offsets:
            base = self.segments[TYPEINFO_SEGMENT][0] + base_offset
            member_data = read_int(self.data, base + 4)
            elements = read_int(self.data, base + 24)
            function_count, member_count = elements & 0xFFFF, (elements & 0xFFFF) + (elements >> 16)
            if member_count == 0 or member_data >= len(self.data):
                continue
            records_size = read_int(self.data, member_data)
            records = member_data + 4
            name_table = records + records_size + 4 * member_count
            record = records
            for index in range(function_count):
                record_size = read_int(self.data, record) & 0xFFFF
                argument_count = struct.unpack_from("<h", self.data, record + 20)[0]
                first_parameter = record + record_size - PARAMETER_INFO_SIZE * argument_count
                parameters = []
                for argument in range(argument_count):
                    info = first_parameter + PARAMETER_INFO_SIZE * argument
                    parameters.append((self.name(read_int(self.data, info + 4)), info))
                yield self.name(read_int(self.data, name_table + 4 * index)), parameters
                record += record_size


def main(source, target):
    data = bytearray(open(source, "rb").read())
    library = TypeLibrary(data)
    functions = list(library.functions())

    variant_types = {read_int(data, info) for function, parameters in functions
                     for name, info in parameters if (function, name) == VARIANT_SOURCE}
    if len(variant_types) != 1 or next(iter(variant_types)) < 0:
        fail("cannot find the VARIANT* type description of %s.%s" % VARIANT_SOURCE)
    variant_pointer = variant_types.pop()

    patched = 0
    for function, parameters in functions:
        if function not in PATCHED_FUNCTIONS:
            continue
        for name, info in parameters:
            if name != PATCHED_PARAMETER:
                continue
            data_type, flags = read_int(data, info), read_int(data, info + 8)
            expected_flags = PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT
            if data_type >= 0 or data_type & 0xFFFF != VT_BSTR or flags != expected_flags:
                fail("%s.%s is not the optional BSTR with a default it should be" % (function, name))
            # Only the type changes: the name stays, for callers that name their arguments.
            struct.pack_into("<i", data, info, variant_pointer)
            struct.pack_into("<i", data, info + 8, flags | PARAMFLAG_FOUT)
            patched += 1
    if patched == 0:
        fail("no %s parameter found" % PATCHED_PARAMETER)
    open(target, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        fail("usage: patch-typelib-default.py input.tlb output.tlb")
    main(sys.argv[1], sys.argv[2])
