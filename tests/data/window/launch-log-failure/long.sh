head -c 5000 /dev/zero | tr '\0' x
printf '\nlast words\n'
record "$@"
exit 2
