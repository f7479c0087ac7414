brevix_add_fuzzer(clipboardannouncement SOURCES clipboardannouncementfuzz.cpp LIBS Brevix::Core)
