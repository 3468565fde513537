# INI reader, JPEG and BMP decoders, cursor files (pure C++).
