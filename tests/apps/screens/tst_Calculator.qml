import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Calculator
import Kestrel.Testing

// The screen only: what each key does lives in tst_calculatormodel.
ScreenTestCase {
    id: testCase
    name: "Calculator"

    Component {
        id: calculatorComponent
        Calculator { width: 390; height: 844 }
    }

    function key(calculator, name) { return find(calculator, "key_" + name) }

    function tap(calculator, names) {
        const shown = []
        for (const name of names) {
            mouseClick(key(calculator, name))
            shown.push(findChild(calculator, "display").text)
        }
        return shown
    }

    function test_keysReachTheModelAndTheDisplayShowsIt() {
        let calculator = createTemporaryObject(calculatorComponent, testCase)
        compare(tap(calculator, ["8", "\u00F7", "0", "=", "4", "\u00D7", "1", "1", "="]),
                ["8", "8", "0", "Error", "4", "4", "1", "11", "44"])
        // Each screen has its own model: opening the app again starts afresh.
        calculator.destroy()
        calculator = createTemporaryObject(calculatorComponent, testCase)
        compare([findChild(calculator, "display").text, calculator.model.calculation], ["", ""])
    }

    // 85 point keys, four to a row, on the screen and clear of the home bar; each coloured by its kind.
    function test_keyGrid() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        const names = calculator.model.keys
        const origin = key(calculator, names[0]).mapToItem(calculator, 0, 0)
        const colours = { "7": "#8e8e93", "AC": "#d1d1d6", "\u00F7": "#ff9500", "=": "#ff9500" }
        for (let i = 0; i < names.length; ++i) {
            const item = key(calculator, names[i])
            const at = item.mapToItem(calculator, 0, 0)
            compare([item.width, item.height], [85, 85], names[i])
            compare(Math.round((at.x - origin.x) / (item.width + 4.5)), i % 4, names[i] + " is in the wrong column")
            verify(at.y > origin.y + Math.floor(i / 4) * 85 - 1, names[i] + " overlaps the row above")
            verify(at.x >= 0 && at.x + item.width <= calculator.width, names[i] + " is off screen")
            verify(at.y + item.height <= calculator.height - AppContext.device.bottomInset, names[i] + " is under the home bar")
            if (colours[names[i]]) {
                const c = Qt.color(colours[names[i]])
                verify(Qt.colorEqual(Qt.rgba(c.r, c.g, c.b, item.background.color.a), item.background.color),
                       names[i] + " background " + item.background.color)
            }
        }
        compare(findChild(calculator, "key_-"), null, "the minus key must be U+2212, not a hyphen")
    }

    // An edit by keyboard changes the model's text only; keys keep the focus on the display.
    function test_displayIsBoundBothWays() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        const display = findChild(calculator, "display")
        tap(calculator, ["1", "2"])
        display.forceActiveFocus()
        display.selectAll()
        keyClick(Qt.Key_Minus)
        keyClick(Qt.Key_4)
        compare([calculator.model.displayNumber, calculator.model.operand1], ["-4", 12])
        tap(calculator, ["5"])
        compare(display.text, "-45")
        verify(display.activeFocus)
    }
}
