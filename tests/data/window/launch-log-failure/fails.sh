for i in 1 2 3 4 5 6 7 8 9 10 11; do echo "line $i"; done
echo '<b>error:</b> the image is missing' >&2
record "$@"
exit 3
