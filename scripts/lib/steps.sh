# Named steps for the project's scripts: a script that stops early says which step failed,
# never just its exit status. Source it right after `set -euo pipefail`.
#   zintar_step "building the program"    names what follows
#   zintar_at_exit 'command'              runs at exit, success or not, last added first
#   zintar_fail "message"                 stops with that message instead of the step's name

zintar_script=${zintar_script:-${0##*/}}
zintar_step_name="starting"
zintar_failure_told=
zintar_exit_commands=()

zintar_step() {
    zintar_step_name=$1
}

zintar_at_exit() {
    zintar_exit_commands=("$1" "${zintar_exit_commands[@]}")
}

zintar_fail() {
    printf '%s: %s\n' "$zintar_script" "$*" >&2
    zintar_failure_told=1
    exit 1
}

zintar_on_exit() {
    local status=$? command
    set +e
    for command in "${zintar_exit_commands[@]}"; do
        eval "$command"
    done
    if [ "$status" -ne 0 ] && [ -z "$zintar_failure_told" ]; then
        printf '%s: failed while %s (exit status %s)\n' \
            "$zintar_script" "$zintar_step_name" "$status" >&2
    fi
    exit "$status"
}
trap zintar_on_exit EXIT
