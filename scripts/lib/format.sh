# The formatting check shared by scripts/format and scripts/test.

# zintar_source_files: the C++ sources git knows, NUL-separated.
zintar_source_files() {
    git ls-files -z -- '*.h' '*.cpp'
}

# zintar_check_format: names each file whose text differs from what clang-format-14 makes of
# it, and fails if there is any.
zintar_check_format() {
    local differ
    differ=$(zintar_source_files | xargs -0 -r -n 50 clang-format-14 --dry-run 2>&1 |
        sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: .*/\1/p' | sort -u)
    if [ -n "$differ" ]; then
        printf '  %s\n' $differ >&2
        echo "$(wc -l <<<"$differ") file(s) differ from .clang-format; ./scripts/format --fix reformats them" >&2
        return 1
    fi
    echo "formatting: every file as .clang-format makes it"
}
