# Writes OUTPUT: a C++ source holding each of FILES (a ';' list) whole, as
# {"stem", R"text(...)text"} rows of the array NAME, with NAME_COUNT after it.
# Run with cmake -P at build time, so an edited file is embedded again.
set(rows "")
set(count 0)
foreach(file IN LISTS FILES)
  file(READ "${file}" text)
  get_filename_component(stem "${file}" NAME_WE)
  string(APPEND rows "    {\"${stem}\", R\"text(${text})text\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${OUTPUT}.new"
  "// Made by embed_texts.cmake from the files named below; edit those instead.\n"
  "#include \"${HEADER}\"\n\nnamespace ga {\n\n"
  "extern const EmbeddedText ${NAME}[];\nextern const int ${NAME}Count;\n\n"
  "const EmbeddedText ${NAME}[] = {\n${rows}};\n"
  "const int ${NAME}Count = ${count};\n\n}  // namespace ga\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
