import ctypes
lib = ctypes.CDLL("libglyphmate.so.1")
result = ctypes.create_string_buffer(lib.glyphmate_result_size())
lib.glyphmate_convert(b"Code39", b"CODE39", ctypes.c_size_t(6), None, ctypes.c_size_t(0), None, result)
print(result.value.decode("cp1252"))
