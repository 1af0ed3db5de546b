#!/usr/bin/env bash
# Sources the bash completion of qv3307-cli and checks what it offers (COMPREPLY) for a table
# of command lines, the cursor at the end of each: commands, options per command, ports,
# plans and file names. The ports and plans of most rows come from a stand-in program with
# a fixed listing; the last checks use the real qv3307-cli, whose --help must name exactly
# the options the completion offers, and whose listings the completion must read.
# Usage: tst_completion.sh COMPLETION_SCRIPT PROGRAM_FOLDER EXAMPLE_F19
set -u

completion=$(realpath "$1")
program=$(realpath "$2")/qv3307-cli
example=$(realpath "$3")
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# shellcheck source=/dev/null
source "$completion" || {
    echo "FAIL: $completion cannot be sourced"
    exit 1
}
[[ $(complete -p qv3307-cli 2>/dev/null) == *_qv3307_cli* ]] ||
    fail "the script does not register a completion for qv3307-cli"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

# Files of every kind a command may or may not want.
mkdir -p radios 'my files' bin data/qv3307/plans
touch shop.F19 club.csv OLD.CSV spare.f19 notes.txt sheet.pdf radios/a.F19 radios/b.txt \
    'my files/fleet.F19'

# A stand-in qv3307-cli whose listings are fixed, in the program's own format.
cat >bin/qv3307-cli <<'EOF'
#!/bin/sh
case "$*" in
ports)
    printf '%s\n' \
        '/dev/ttyUSB0  /dev/serial/by-id/usb-Silicon_Labs_CP2102_0001-if00-port0  CP2102 USB to UART Bridge Controller (10c4:ea60)  COM1' \
        '/dev/ttyS0' \
        '' \
        'COM1 -> /dev/serial/by-id/usb-Silicon_Labs_CP2102_0001-if00-port0' \
        'COM2 -> /dev/ttyUSB1 (not present)' ;;
'plan --list')
    printf '%s\n' 'PMR446        16 channels   built in' 'FRS           22 channels   built in' \
        'my club.csv   3 channels    /home/u/.local/share/qv3307/plans/my club.csv' ;;
esac
EOF
chmod +x bin/qv3307-cli
stand_in=$scratch/bin/qv3307-cli

# Runs the completion for LINE as bash would with the cursor at its end, the line's first
# word being EXECUTABLE, and prints what it offers, sorted, one word a line. Words are split
# at blanks that no backslash escapes (the words keep their backslashes, as bash leaves
# them), and "=" stands as a word of its own, as bash's word breaks have it.
offered() {
    local executable=$1 line=$2 word= character index
    local -a words=()
    for ((index = 0; index < ${#line}; index++)); do
        character=${line:index:1}
        if [[ $character == '\' ]]; then
            word+=${line:index:2}
            ((index++))
        elif [[ $character == ' ' ]]; then
            [[ -n $word ]] && words+=("$word")
            word=
        elif [[ $character == = ]]; then
            [[ -n $word ]] && words+=("$word")
            words+=("=")
            word=
        else
            word+=$character
        fi
    done
    if [[ -n $word || $line == *' ' ]]; then
        words+=("$word")
    fi
    words[0]=$executable
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _qv3307_cli
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort
}

# expect LINE EXPECTED...: the completion of LINE offers exactly the EXPECTED words.
expect() {
    local line=$1
    shift
    local got wanted
    got=$(offered "$stand_in" "$line" | tr '\n' ' ')
    wanted=$(printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' ')
    [[ $# -eq 0 ]] && wanted=' '
    [[ $got == "$wanted" || ($# -eq 0 && -z ${got// /}) ]] ||
        fail "\"$line\" offers [${got% }], expected [${wanted% }]"
}

common=(--language -q --quiet -h --help)
ports=(COM1 COM2 COM3 COM4 /dev/ttyUSB0
    /dev/serial/by-id/usb-Silicon_Labs_CP2102_0001-if00-port0 /dev/ttyS0)

# Commands
expect 'qv3307-cli ' ports read write verify diff convert calibration plan sheet
expect 'qv3307-cli c' convert calibration
expect 'qv3307-cli --language english w' write
expect 'qv3307-cli -q calibration ' read write
expect 'qv3307-cli calibration w' write
# Options of each command, and those every command takes
expect 'qv3307-cli -' "${common[@]}" --version
expect 'qv3307-cli read -' --port --all-ports -o --json "${common[@]}"
expect 'qv3307-cli write shop.F19 --no' --no-backup --no-verify
expect 'qv3307-cli write shop.F19 --port COM1 --' --port --all-ports --no-backup --no-verify --repeat \
    --skip-bad-rows --in-file-order --dry-run --language --quiet --help
expect 'qv3307-cli calibration write --port COM1 --l' --language --low --low-voltage
expect 'qv3307-cli calibration read -' --port --json "${common[@]}"
expect 'qv3307-cli plan --t' --tone --tx-tone
expect 'qv3307-cli sheet -' -o "${common[@]}"
expect 'qv3307-cli ports --' --json --language --quiet --help
# Ports: COM1 to COM4 and what the program lists, by path and by stable name
expect 'qv3307-cli read --port ' "${ports[@]}"
expect 'qv3307-cli read -p CO' COM1 COM2 COM3 COM4
expect 'qv3307-cli read --port=CO' COM1 COM2 COM3 COM4
expect 'qv3307-cli write shop.F19 --port /dev/serial/' \
    /dev/serial/by-id/usb-Silicon_Labs_CP2102_0001-if00-port0
expect 'qv3307-cli calibration read --port /dev/tty' /dev/ttyUSB0 /dev/ttyS0
# Option values
expect 'qv3307-cli --language ' chinese english
expect 'qv3307-cli read --language=e' english
expect 'qv3307-cli calibration write --low-voltage ' 0 1 2
expect 'qv3307-cli calibration write --low '
expect 'qv3307-cli plan PMR446 --tone '
# Files: channel files (.F19 and .csv in any case) and folders where a file belongs
expect 'qv3307-cli write ' shop.F19 club.csv OLD.CSV spare.f19 radios 'my files' bin data
expect 'qv3307-cli write radios/' radios/a.F19
expect 'qv3307-cli write my\ ' 'my files'
expect 'qv3307-cli verify s' shop.F19 spare.f19
expect 'qv3307-cli write shop.F19 '
expect 'qv3307-cli write --port COM1 s' shop.F19 spare.f19
expect 'qv3307-cli write --port=COM1 s' shop.F19 spare.f19
expect 'qv3307-cli diff shop.F19 c' club.csv
expect 'qv3307-cli diff shop.F19 club.csv '
expect 'qv3307-cli convert - s' shop.F19 spare.f19
expect 'qv3307-cli convert shop.F19 O' OLD.CSV
expect 'qv3307-cli sheet s' shop.F19 spare.f19
expect 'qv3307-cli sheet shop.F19 -o s' sheet.pdf
expect 'qv3307-cli read --port COM1 -o s' shop.F19 spare.f19
expect 'qv3307-cli read --port COM1 -o=s' shop.F19 spare.f19
expect 'qv3307-cli plan FRS -o c' club.csv
expect 'qv3307-cli read --port COM1 '
expect 'qv3307-cli ports '
# Plans, by the names the program lists
expect 'qv3307-cli plan ' PMR446 FRS 'my club.csv'
expect 'qv3307-cli plan --first 3 P' PMR446
expect 'qv3307-cli plan PMR446 '

# The real program: its --help names exactly the options the completion offers.
help_options() {
    # The closing note on --json belongs to the commands that take it, which name it themselves.
    "$program" "$@" --help --language english 2>&1 | sed '/^With --json/,$d' |
        grep -oE '(^|[][ |,])--?[a-z][a-z-]*' | sed 's/^[][ |,]//' | LC_ALL=C sort -u
}
completed_options() {
    local command
    for command in "$@"; do
        offered "$program" "qv3307-cli $command -"
    done | LC_ALL=C sort -u
}
for command in ports read write verify diff convert plan sheet; do
    [[ $(help_options "$command") == "$(completed_options "$command")" ]] ||
        fail "qv3307-cli $command --help names [$(help_options "$command" | tr '\n' ' ')]," \
            "the completion offers [$(completed_options "$command" | tr '\n' ' ')]"
done
# Both calibration commands share one help.
[[ $(help_options calibration read) == "$(completed_options 'calibration read' 'calibration write')" ]] ||
    fail "qv3307-cli calibration --help names [$(help_options calibration read | tr '\n' ' ')]," \
        "the completion offers [$(completed_options 'calibration read' 'calibration write' | tr '\n' ' ')]"

# The real program's listings: every device path `ports` lists, and a plan of the user's.
real_ports=$(offered "$program" 'qv3307-cli read --port ')
for port in COM1 COM2 COM3 COM4 $("$program" ports | sed '/^$/q' | grep -oE '/dev/[^ ]+'); do
    grep -qxF -- "$port" <<<"$real_ports" ||
        fail "with the real program, --port does not offer $port (offered: ${real_ports//$'\n'/ })"
done
cp "$example" data/qv3307/plans/mine.F19
real_plans=$(XDG_DATA_HOME=$scratch/data offered "$program" 'qv3307-cli plan ' | tr '\n' ' ')
[[ $real_plans == 'FRS PMR446 mine.F19 ' ]] ||
    fail "with the real program, plan offers [$real_plans], expected [FRS PMR446 mine.F19]"

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: every completion offers what it should"
