# Which C++ sources a change touched, for the checks that look at changed files only.

# zintar_changed_sources [BASE]: the .cpp files of the checked layers (app, bench, core,
# platform, tools, ui) that differ from BASE (default: the last commit's parent, or nothing
# before the first commit), uncommitted and new ones included, one a line. A changed header
# stands for the sources that include it.
zintar_changed_sources() {
    local base=${1:-} file
    if [ -z "$base" ]; then
        base=$(git rev-parse -q --verify HEAD~1) || base=$(git hash-object -t tree /dev/null)
    fi
    {
        git diff --name-only --diff-filter=d "$base" --
        git ls-files --others --exclude-standard
    } | sort -u | while read -r file; do
        case $file in
        app/* | bench/* | core/* | platform/* | tools/* | ui/*) ;;
        *) continue ;;
        esac
        case $file in
        *.cpp) echo "$file" ;;
        *.h) git grep -l -F "\"$file\"" -- 'app/*.cpp' 'bench/*.cpp' 'core/*.cpp' \
            'platform/*.cpp' 'tools/*.cpp' 'ui/*.cpp' || true ;;
        esac
    done | sort -u
}
